// The floors the program is measured against, each ending at its first painted frame as
// exisosi-firstframe does.
//
// exisosi-floor          the bare floor: one fixed black window of the same size holding the same
//                        widgets, each of the same kind and in the same place, hidden where the
//                        window's are, but created empty: no caption, no item, no font, no
//                        colour, nothing computed and nothing drawn.
// exisosi-floor design   the design floor: the same widgets with the design's captions, list
//                        items, colours and faces at the five design sizes, and the year diagram
//                        of the opening location drawn straight with QPainter in each month
//                        picture's user scale. Any program showing this window pays this much.

#include "bench/firstframe.h"
#include "bench/straight.h"
#include "input/location.h"
#include "model/correction.h"
#include "ui/fonts.h"
#include "ui/picturebox.h"
#include "ui/registry.h"
#include "views/diagram.h"
#include "views/lists.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QWidget>
#include <cstring>

namespace {

// A month picture of the design floor: its operations drawn straight on every paint.
class StraightPicture final : public QFrame {
public:
    StraightPicture(QWidget* parent, std::vector<ui::DrawOp> operations, float scaleWidth,
                    float scaleHeight)
        : QFrame(parent), operations_(std::move(operations)), scaleWidth_(scaleWidth),
          scaleHeight_(scaleHeight) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        bench::DrawStraight(painter, operations_, contentsRect(), scaleWidth_, scaleHeight_);
    }

private:
    std::vector<ui::DrawOp> operations_;
    float scaleWidth_, scaleHeight_;
};

struct Location {
    double longitude = 0, zoneMeridian = 0;
};

QWidget* MakeEmpty(const ui::ControlSpec& design, QWidget* parent) {
    switch (design.kind) {
    case ui::Kind::Frame:
        return new QGroupBox(parent);
    case ui::Kind::Label:
        return new QLabel(parent);
    case ui::Kind::TextBox:
        return new QLineEdit(parent);
    case ui::Kind::OptionButton:
        return new QRadioButton(parent);
    case ui::Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true); // the window's lists hold a line edit too
        return combo;
    }
    case ui::Kind::CommandButton:
        return new QPushButton(parent);
    case ui::Kind::PictureBox:
        return new QFrame(parent);
    }
    return nullptr;
}

QWidget* MakeDesigned(const ui::ControlSpec& design, QWidget* parent, const Location& at) {
    QWidget* widget = nullptr;
    switch (design.kind) {
    case ui::Kind::Frame:
        widget = new QGroupBox(design.caption, parent);
        break;
    case ui::Kind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignTop |
                            ((design.flags & ui::flag::AlignRight)    ? Qt::AlignRight
                             : (design.flags & ui::flag::AlignCenter) ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft));
        label->setWordWrap(!(design.flags & ui::flag::AutoSize));
        widget = label;
        break;
    }
    case ui::Kind::TextBox:
        widget = new QLineEdit(parent);
        break;
    case ui::Kind::OptionButton: {
        auto* option = new QRadioButton(parent);
        option->setChecked(design.flags & ui::flag::Selected);
        widget = option;
        break;
    }
    case ui::Kind::ComboBox:
        widget = new QComboBox(parent);
        break;
    case ui::Kind::CommandButton:
        widget = new QPushButton(parent);
        break;
    case ui::Kind::PictureBox: {
        // PictureM1 to PictureM12; PictureMatrix shares the prefix.
        bool isMonth = false;
        const int month = design.name.startsWith(QStringLiteral("PictureM"))
                              ? QStringView(design.name).mid(8).toInt(&isMonth)
                              : 0;
        if (isMonth && month >= 1 && month <= 12) {
            widget = new StraightPicture(
                parent, bench::MonthOperations(month, at.longitude, at.zoneMeridian),
                design.scaleWidth, design.scaleHeight);
        } else {
            auto* picture = new QFrame(parent);
            if (design.flags & ui::flag::Border) {
                picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
                picture->setLineWidth(2);
            }
            widget = picture;
        }
        break;
    }
    }
    // Face and colours first, so that the texts are laid out once.
    if (design.points > 0) widget->setFont(ui::designFont(design.points, design.bold));
    QPalette palette = widget->palette();
    if (const QColor fore = design.fore.colour(); fore.isValid())
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, fore);
    const QColor back = design.back.colour();
    if (back.isValid()) {
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Base, back);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(back.isValid() && !(design.flags & ui::flag::Transparent));

    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(design.caption);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) box->setText(design.caption);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(design.caption);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setEditable(true);
        for (const QString& item : design.items) combo->addItem(item);
        combo->setCurrentIndex(combo->findText(design.caption, Qt::MatchExactly));
    }
    return widget;
}

// The location the window opens at, read from its designed captions.
Location OpeningLocation() {
    QHash<QString, QString> captions;
    for (const ui::ControlSpec& design : ui::windowContents(views::windowLists()))
        captions.insert(design.name, design.caption);
    auto text = [&](const char* name) { return captions.value(QLatin1String(name)).toStdString(); };
    return {input::ReadLongitude(text("TextMLo"), text("TextPLo"), text("TextDLo"), true).Longitude,
            input::ReadTimeZone(text("ComboZW")).ZoneMeridian};
}

} // namespace

int main(int argc, char* argv[]) {
    const bool designed = argc > 1 && std::strcmp(argv[1], "design") == 0;
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Location at;
    if (designed) {
        // Also gives the default font, which the captions the design gives no face take, the
        // drawn family.
        ui::installFontSubstitution();
        at = OpeningLocation();
    }

    QWidget window;
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
    window.setAutoFillBackground(true);
    window.setFixedSize(ui::pixelOf(ui::FormWidth), ui::pixelOf(ui::FormHeight));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (designed) window.setWindowTitle(ui::FormTitle);

    // The minute labels of the diagram, as the January picture places them.
    const double top = views::topMinuteFor(
        model::CorrectionMinutes(model::PeakDay, at.longitude, at.zoneMeridian));
    int timeRow = 0;

    // Containers before what they hold; a bordered picture's children start inside its border.
    QHash<QString, QWidget*> containers{{QStringLiteral("FormStart"), &window}};
    QHash<QString, float> insets;
    for (const ui::ControlSpec& row : ui::windowContents(views::windowLists())) {
        QWidget* parent = containers.value(row.container);
        QWidget* widget = designed ? MakeDesigned(row, parent, at) : MakeEmpty(row, parent);
        const float inset = insets.value(row.container, 0.0f);
        ui::TwipRect rect = row.rect;
        if (designed && row.name == QLatin1String("Labeltime")) {
            while (timeRow < views::GridRows && std::fmod(top - timeRow, 5.0) != 0.0) ++timeRow;
            const double minutes = top - timeRow;
            static_cast<QLabel*>(widget)->setText(
                QString::fromStdString(model::FormatMinuteLabel(minutes)));
            const double share = model::minuteLabelHasTwoParts(minutes) ? 3.0 : 4.0;
            rect.top = static_cast<float>(240 + views::RowPitch * timeRow - rect.height / share);
            ++timeRow;
        }
        if (designed && (row.flags & ui::flag::AutoSize)) {
            const QSize size = widget->sizeHint();
            rect.width = static_cast<float>(size.width() * ui::TwipsPerPixel);
            rect.height = static_cast<float>(size.height() * ui::TwipsPerPixel);
        }
        widget->setGeometry(ui::pixelOf(inset + rect.left), ui::pixelOf(inset + rect.top),
                            ui::pixelOf(rect.width), ui::pixelOf(rect.height));
        if (row.flags & ui::flag::Hidden) widget->hide();
        if (row.index < 0) containers.insert(row.name, widget);
        if (row.kind == ui::Kind::PictureBox && (row.flags & ui::flag::Border))
            insets.insert(row.name, 2 * static_cast<float>(ui::TwipsPerPixel));
    }

    bench::QuitOnFirstFrame(window);
    window.show();
    return QApplication::exec();
}
