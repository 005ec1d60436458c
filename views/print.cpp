#include "views/print.h"

#include "ui/fonts.h"
#include "views/copy.h"

#include <QFontMetricsF>
#include <QPrintPreviewDialog>
#include <algorithm>
#include <qdrawutil.h>

namespace views {

namespace {

// Sizes on paper, in points, and the spacing of lines, in line heights.
constexpr double HeadingPoints = 12;
constexpr double ValuePoints = 11.25;
constexpr double AfterHeading = 0.5; // the space below the heading
constexpr double AfterMonth = 1.5;   // the month's line and the space below it
constexpr double RowPitch = 1.25;
// Between the days' column and the values.
const QString ColumnGap = QStringLiteral("    ");

// Text on paper is set in points, in the window's face.
QFont PaperFont(double points, bool bold) {
    QFont font = ui::DesignFont(points, bold);
    font.setPointSizeF(points);
    return font;
}

QColor TextColour(const QWidget& widget) {
    return widget.palette().color(QPalette::WindowText);
}

// Writes the heading at the top of the page; returns where what follows it starts.
double PrintHeading(QPainter& painter, const QRectF& page, const QString& heading) {
    constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    painter.setFont(PaperFont(HeadingPoints, true));
    const QRectF box = painter.boundingRect(page, Flags, heading);
    painter.drawText(box, Flags, heading);
    return box.bottom() + box.height() * AfterHeading;
}

// The heading, then the whole panel below it, drawn from its recordings and captions: vectors
// and text, scaled to the room left with its proportions kept.
void PrintDiagram(QPainter& painter, const QRectF& page, const PaperSources& from) {
    const double top = PrintHeading(painter, page, PlaceLine(from.shown).trimmed());
    const QRectF room(page.left(), top, page.width(), page.bottom() - top);
    const double scale =
        std::min(room.width() / from.diagram.width(), room.height() / from.diagram.height());
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    DrawPanel(painter, from.diagram);
    painter.restore();
}

// The heading, the month, then the days and the captions in the colours the window gives them.
void PrintTable(QPainter& painter, const QRectF& page, const PaperSources& from) {
    double top = PrintHeading(painter, page, PlaceLine(from.shown).trimmed());
    const QColor dayColour = TextColour(*from.table.days[0]);
    const QColor valueColour = TextColour(*from.table.values[0]);
    if (const int month = MonthStartingOn(from.state.MonthFirstDay); month >= 0) {
        painter.setPen(dayColour);
        painter.drawText(QPointF(page.left(), top + painter.fontMetrics().ascent()),
                         MonthName(month));
        top += painter.fontMetrics().height() * AfterMonth;
    }
    // The days right-aligned in their column, the values beside them.
    painter.setFont(PaperFont(ValuePoints, true));
    const QFontMetricsF metrics(painter.font());
    const double dayColumn = metrics.horizontalAdvance(QStringLiteral("31"));
    const double valueLeft = page.left() + dayColumn + metrics.horizontalAdvance(ColumnGap);
    const double pitch = metrics.height() * RowPitch;
    for (int row = 0; row < from.state.MonthLength && row < TableRows; ++row) {
        const double baseline = top + row * pitch + metrics.ascent();
        const QString day = QString::number(row + 1);
        painter.setPen(dayColour);
        painter.drawText(
            QPointF(page.left() + dayColumn - metrics.horizontalAdvance(day), baseline), day);
        painter.setPen(valueColour);
        painter.drawText(QPointF(valueLeft, baseline),
                         from.table.values[static_cast<std::size_t>(row)]->caption());
    }
}

} // namespace

QPageLayout::Orientation OrientationOf(Paper paper) {
    switch (paper) {
    case Paper::Diagram:
        return QPageLayout::Landscape;
    case Paper::Table:
        return QPageLayout::Portrait;
    }
    return QPageLayout::Portrait;
}

bool Print(QPrinter& printer, Paper paper, const PaperSources& from) {
    printer.setPageOrientation(OrientationOf(paper));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    switch (paper) {
    case Paper::Diagram:
        PrintDiagram(painter, page, from);
        break;
    case Paper::Table:
        PrintTable(painter, page, from);
        break;
    }
    return painter.end();
}

void OpenPrintPreview(QWidget* parent, Paper paper, const PaperSources& from) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(OrientationOf(paper));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [paper, &from](QPrinter* target) { Print(*target, paper, from); });
    dialog.exec();
}

void DrawPanel(QPainter& painter, const ui::PictureBox& panel) {
    const QRect whole(QPoint(), panel.size());
    painter.fillRect(whole, panel.backColor());
    // The sunken border: dark at the top and left, light at the bottom and right.
    qDrawWinPanel(&painter, whole, panel.palette(), true);
    for (QObject* object : panel.children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isHidden()) continue;
        painter.save();
        painter.translate(widget->pos());
        const QRect box(QPoint(), widget->size());
        if (const auto* picture = qobject_cast<ui::PictureBox*>(widget)) {
            painter.fillRect(box, picture->backColor());
            picture->draw(painter);
        } else if (const auto* label = qobject_cast<ui::Label*>(widget)) {
            if (label->autoFillBackground())
                painter.fillRect(box, label->palette().color(QPalette::Window));
            painter.setFont(label->font());
            painter.setPen(TextColour(*label));
            painter.drawText(box, static_cast<int>(label->alignment()) | Qt::TextWordWrap,
                             label->caption());
        }
        painter.restore();
    }
}

} // namespace views
