#pragma once
// The views on paper, drawn from what the last refresh left: the recordings and captions the
// screen shows and the stored state. Text and vectors only, never a picture.

#include "ui/picturebox.h"
#include "views/choices.h"
#include "views/table.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace views {

// What can be printed: the diagram, the table's month, and the year card: every day's value on
// one page, a column a month. Each is laid out whole on whatever page it is given.
enum class Paper { Diagram, Table, YearCard };

// Where a paper copy takes its contents from.
struct PaperSources {
    const Reading& shown; // what the last refresh read
    const WindowState& state;
    const ui::PictureBox& diagram;
    const TableLabels& table;
};

// The orientation each paper is proposed in: the diagram and the card landscape, the table
// portrait.
QPageLayout::Orientation orientationOf(Paper paper);

// Proposes the page a paper is printed on, once, as the print preview opens: its orientation,
// and A4 where there is no printer with paper of its own.
void proposePage(QPrinter& printer, Paper paper);

// Opens the print preview of `paper`, from which the user prints it.
void openPrintPreview(QWidget* parent, Paper paper, const PaperSources& from);

// Prints `paper` on one page of `printer` as the user set it up (paper, orientation, margins);
// false where the printer would not start or finish.
bool print(QPrinter& printer, Paper paper, const PaperSources& from);

// `paper` as a PDF file's bytes, on A4 in the orientation it is proposed in, with the printer's
// margins: what the browser downloads instead of printing. Empty where it could not be made.
QByteArray pdfOf(Paper paper, const PaperSources& from);

// A panel and the pictures and labels it holds, from their recordings and captions, in the
// panel's own pixels.
void drawPanel(QPainter& painter, const ui::PictureBox& panel);

} // namespace views
