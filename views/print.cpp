#include "views/print.h"

#include "model/correction.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "views/texts.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <qdrawutil.h>

namespace views {

namespace {

// Sizes on paper, in points, and the spacing of lines, in line heights.
constexpr double HeadingPoints = 12;
constexpr double ValuePoints = 11.25;
constexpr double AfterHeading = 0.5; // the space below the heading
constexpr double AfterMonth = 1.5;   // the month's line and the space below it
constexpr double LinePitch = 1.25;
// The print preview's height, as a part of the screen's available area, and the room left for a
// window manager's borders and title bar, in pixels.
constexpr double PreviewHeight = 0.85;
constexpr int PreviewFrame = 16;
constexpr int PreviewTitle = 32;
// The year card's largest size: smaller where its columns would not fit the page.
constexpr double CardPoints = 11.25;
// Between the days' column and the values.
const QString ColumnGap = QStringLiteral("    ");

// Text on paper is set in points, in the window's face.
QFont paperFont(double points, bool bold) {
    QFont font = ui::designFont(points, bold);
    font.setPointSizeF(points);
    return font;
}

QColor textColour(const QWidget& widget) {
    return widget.palette().color(QPalette::WindowText);
}

// The place line, and in a calendar year how its values are computed.
QString headingOf(const PaperSources& from) {
    const QString note = accuracyNote(from.shown.calendar());
    const QString place = placeLine(from.shown).trimmed();
    return note.isEmpty() ? place : place + u'\n' + note;
}

// Writes the heading at the top of the page (or only measures it); returns where what follows
// it starts.
double printHeading(QPainter& painter, const QRectF& page, const QString& heading,
                    bool draw = true) {
    constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    painter.setFont(paperFont(HeadingPoints, true));
    const QRectF box = painter.boundingRect(page, Flags, heading);
    if (draw) painter.drawText(box, Flags, heading);
    return box.bottom() + box.height() * AfterHeading;
}

// The heading, then the whole panel below it, drawn from its recordings and captions: vectors
// and text, scaled to the room left with its proportions kept.
void printDiagram(QPainter& painter, const QRectF& page, const PaperSources& from) {
    const double top = printHeading(painter, page, headingOf(from));
    const QRectF room(page.left(), top, page.width(), page.bottom() - top);
    const double scale =
        std::min(room.width() / from.diagram.width(), room.height() / from.diagram.height());
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    drawPanel(painter, from.diagram);
    painter.restore();
}

// The heading, the month, then the days and the captions in the colours the window gives them.
// Returns the size it takes from the page's top-left corner. Measures without drawing where
// `draw` is false.
QSizeF layOutTable(QPainter& painter, const QRectF& page, const PaperSources& from, bool draw) {
    double top = printHeading(painter, page, headingOf(from), draw);
    const QColor dayColour = textColour(*from.table.days[0]);
    const QColor valueColour = textColour(*from.table.values[0]);
    if (const int month = from.shown.calendar().monthStartingOn(from.state.MonthFirstDay);
        month != 0) {
        painter.setPen(dayColour);
        if (draw)
            painter.drawText(QPointF(page.left(), top + painter.fontMetrics().ascent()),
                             monthName(month));
        top += painter.fontMetrics().height() * AfterMonth;
    }
    // The days right-aligned in their column, the values beside them.
    painter.setFont(paperFont(ValuePoints, true));
    const QFontMetricsF metrics(painter.font());
    const double dayColumn = metrics.horizontalAdvance(QStringLiteral("31"));
    const double valueLeft = page.left() + dayColumn + metrics.horizontalAdvance(ColumnGap);
    const double pitch = metrics.height() * LinePitch;
    const int rows = std::min<int>(from.state.MonthLength, TableRows);
    double captions = 0;
    for (int row = 0; row < rows; ++row)
        captions = std::max(
            captions,
            metrics.horizontalAdvance(from.table.values[static_cast<std::size_t>(row)]->caption()));
    // The clock time of noon beside each value, from the value the caption shows.
    const model::Year& year = from.shown.calendar();
    const double noonLeft = valueLeft + captions + metrics.horizontalAdvance(ColumnGap);
    double right = valueLeft;
    for (int row = 0; row < rows; ++row) {
        const QString& caption = from.table.values[static_cast<std::size_t>(row)]->caption();
        const QString noon = noonText(CorrectionParts(
            daySeconds(year, from.state.MonthFirstDay + row, from.state), from.state.ShowHours));
        right = std::max(right, noonLeft + metrics.horizontalAdvance(noon));
        if (!draw) continue;
        const double baseline = top + row * pitch + metrics.ascent();
        const QString day = QString::number(row + 1);
        painter.setPen(dayColour);
        painter.drawText(
            QPointF(page.left() + dayColumn - metrics.horizontalAdvance(day), baseline), day);
        painter.setPen(valueColour);
        painter.drawText(QPointF(valueLeft, baseline), caption);
        painter.drawText(QPointF(noonLeft, baseline), noon);
    }
    return {right - page.left(), top + (rows - 1) * pitch + metrics.height() - page.top()};
}

// The table at its sizes where the page holds it; otherwise the whole of it scaled down to the
// page, the heading wrapped to the page's width as it then stands.
void printTable(QPainter& painter, const QRectF& page, const PaperSources& from) {
    painter.save();
    const QSizeF size = layOutTable(painter, page, from, false);
    painter.restore();
    if (size.height() <= page.height() && size.width() <= page.width()) {
        layOutTable(painter, page, from, true);
        return;
    }
    const double fit = std::min(page.height() / size.height(), page.width() / size.width());
    painter.save();
    painter.scale(fit, fit);
    layOutTable(painter, QRectF(page.topLeft() / fit, page.size() / fit), from, true);
    painter.restore();
}

// A year card's cell: the parts of the table's caption, compact, the sign once before them.
// "+29 min  +15 sec" is "+29:15", "-01 h  -46 min  -39 sec" is "-1:46:39".
QString compactText(const CorrectionParts& parts) {
    auto twoDigits = [](double number) {
        return QString::fromStdString(model::wholeNumberText(number)).rightJustified(2, u'0');
    };
    QString text(QChar::fromLatin1(parts.sign));
    if (parts.showHours) text += QString::fromStdString(model::wholeNumberText(parts.hours)) + u':';
    return text + twoDigits(parts.minutes) + u':' + twoDigits(parts.seconds);
}

// The year card: the place line, then a row a day number with the day's value in each month's
// column (empty where the month has no such day), then how to read it. The face is sized so that
// the widest value and month name fit their column and every line fits the page.
// A day in summer time is ringed on the card, as its dot is a ring in the diagram.
void printYearCard(QPainter& painter, const QRectF& page, const PaperSources& from) {
    const model::Year& year = from.shown.calendar();
    const model::Location at = locationOf(from.state);
    const bool showHours = showHoursFor(year, from.state);
    std::array<std::array<QString, TableRows>, model::MonthCount> cells;
    std::array<std::array<bool, TableRows>, model::MonthCount> summer{};
    bool anySummer = false;
    for (int month = 1; month <= model::MonthCount; ++month)
        for (int day = 1; day <= year.monthLength(month); ++day) {
            const int index = year.indexOf(month, day);
            const auto row = static_cast<std::size_t>(day - 1);
            model::ofMonth(cells, month)[row] =
                compactText(CorrectionParts(daySeconds(year, index, from.state), showHours));
            model::ofMonth(summer, month)[row] = year.summerTime(index, at);
            anySummer = anySummer || model::ofMonth(summer, month)[row];
        }
    QString heading = headingOf(from);
    if (anySummer) heading += QStringLiteral("\nΣε κύκλο: οι ημέρες με θερινή ώρα.");
    double top = printHeading(painter, page, heading);

    // Measured at the largest size on the page's device, then scaled to what the page holds.
    QFont font = paperFont(CardPoints, false);
    painter.setFont(font);
    QFontMetricsF metrics(painter.font());
    double widest = 0;
    for (const auto& column : cells)
        for (const QString& cell : column)
            widest = std::max(widest, metrics.horizontalAdvance(cell));
    for (int month = 1; month <= model::MonthCount; ++month)
        widest = std::max(widest, metrics.horizontalAdvance(monthName(month)));
    const double gap = metrics.horizontalAdvance(ColumnGap);
    const double dayWidth = metrics.horizontalAdvance(QStringLiteral("31"));
    const double width = dayWidth + model::MonthCount * (gap + widest);
    // The names, the days, and the line on how to read the card below a gap.
    const double height = ((TableRows + 1) * LinePitch + AfterMonth) * metrics.height();
    const double fit = std::min({1.0, page.width() / width, (page.bottom() - top) / height});
    font.setPointSizeF(CardPoints * fit);
    painter.setFont(font);
    metrics = QFontMetricsF(painter.font());
    const double pitch = metrics.height() * LinePitch;
    // Every text right-aligned in its column. Each line is written left to right, so that the
    // page's text reads row by row.
    auto writeLine = [&](const QString& day, auto&& cellOf, auto&& ringed) {
        const double baseline = top + metrics.ascent();
        double right = page.left() + dayWidth * fit;
        painter.drawText(QPointF(right - metrics.horizontalAdvance(day), baseline), day);
        for (int month = 1; month <= model::MonthCount; ++month) {
            right += (gap + widest) * fit;
            const QString cell = cellOf(month);
            const double width = metrics.horizontalAdvance(cell);
            painter.drawText(QPointF(right - width, baseline), cell);
            if (ringed(month))
                painter.drawRoundedRect(QRectF(right - width - gap * fit / 4, top,
                                               width + gap * fit / 2, metrics.height()),
                                        metrics.height() / 2, metrics.height() / 2);
        }
        top += pitch;
    };
    painter.setPen(ui::Black.colour());
    writeLine(
        QString(), [](int month) { return monthName(month); }, [](int) { return false; });
    for (std::size_t row = 0; row < TableRows; ++row)
        writeLine(
            QString::number(row + 1), [&](int month) { return model::ofMonth(cells, month)[row]; },
            [&](int month) { return model::ofMonth(summer, month)[row]; });
    top += pitch * (AfterMonth - LinePitch);
    painter.drawText(QPointF(page.left(), top + metrics.ascent()),
                     QStringLiteral("Ώρα ρολογιού = ώρα ηλιακού ρολογιού + διόρθωση"));
}

} // namespace

QPageLayout::Orientation orientationOf(Paper paper) {
    switch (paper) {
    case Paper::Diagram:
        return QPageLayout::Landscape;
    case Paper::Table:
        return QPageLayout::Portrait;
    case Paper::YearCard:
        return QPageLayout::Landscape;
    }
    return QPageLayout::Portrait;
}

void proposePage(QPrinter& printer, Paper paper) {
    // A printer knows its own paper; a PDF file has none.
    if (QPrinterInfo::defaultPrinter().isNull()) printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientationOf(paper));
}

bool print(QPrinter& printer, Paper paper, const PaperSources& from) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    switch (paper) {
    case Paper::Diagram:
        printDiagram(painter, page, from);
        break;
    case Paper::Table:
        printTable(painter, page, from);
        break;
    case Paper::YearCard:
        printYearCard(painter, page, from);
        break;
    }
    return painter.end();
}

void openPrintPreview(QWidget* parent, Paper paper, const PaperSources& from) {
    QPrinter printer(QPrinter::HighResolution);
    // Proposed once: from here on the page is the user's, through every redraw of the preview.
    proposePage(printer, paper);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [paper, &from](QPrinter* target) { print(*target, paper, from); });
    // Wide enough for the whole toolbar, its print button at the end included, which the
    // toolkit's own size hides behind the toolbar's overflow; tall enough to show the page well;
    // both within the screen's available area, title bar and borders left room.
    const QScreen* screen =
        parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (const auto* toolbar = dialog.findChild<QToolBar*>(); toolbar && screen) {
        const QRect area = screen->availableGeometry();
        const QSize frame(PreviewFrame, PreviewFrame + PreviewTitle);
        const int width = std::max(dialog.sizeHint().width(), toolbar->sizeHint().width());
        const int height = static_cast<int>(area.height() * PreviewHeight);
        dialog.resize(std::min(width, area.width() - frame.width()),
                      std::min(height, area.height() - frame.height()));
    }
    dialog.exec();
}

QByteArray pdfOf(Paper paper, const PaperSources& from) {
    const QTemporaryDir folder;
    if (!folder.isValid()) return {};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientationOf(paper));
    if (!print(printer, paper, from)) return {};
    QFile file(printer.outputFileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void drawPanel(QPainter& painter, const ui::PictureBox& panel) {
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
            painter.setPen(textColour(*label));
            painter.drawText(box, static_cast<int>(label->alignment()) | Qt::TextWordWrap,
                             label->caption());
        }
        painter.restore();
    }
}

} // namespace views
