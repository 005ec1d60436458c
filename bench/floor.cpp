// The floor: what any program with this window costs the toolkit. One fixed black window of the
// same size holding the same widgets, each of the same kind and in the same place, hidden where
// the window's are, but created empty: no caption, no item, no font, no colour, nothing
// computed and nothing drawn. It ends at its first painted frame, as exisosi-firstframe does.

#include "bench/firstframe.h"
#include "ui/contents.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QWidget>

namespace {

QWidget* MakeEmpty(ui::Kind kind, QWidget* parent) {
    switch (kind) {
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

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QWidget window;
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
    window.setAutoFillBackground(true);
    window.setFixedSize(ui::PixelOf(ui::FormWidth), ui::PixelOf(ui::FormHeight));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    // Containers before what they hold; a bordered picture's children start inside its border.
    QHash<QString, QWidget*> containers{{QStringLiteral("FormStart"), &window}};
    QHash<QString, float> insets;
    for (const ui::ControlSpec& design : ui::WindowContents()) {
        QWidget* parent = containers.value(design.container);
        QWidget* widget = MakeEmpty(design.kind, parent);
        const float inset = insets.value(design.container, 0.0f);
        widget->setGeometry(ui::PixelOf(inset + design.rect.left),
                            ui::PixelOf(inset + design.rect.top), ui::PixelOf(design.rect.width),
                            ui::PixelOf(design.rect.height));
        if (design.flags & ui::flag::Hidden) widget->hide();
        if (design.index < 0) containers.insert(design.name, widget);
        if (design.kind == ui::Kind::PictureBox && (design.flags & ui::flag::Border))
            insets.insert(design.name, 2 * static_cast<float>(ui::TwipsPerPixel));
    }

    bench::QuitOnFirstFrame(window);
    window.show();
    return QApplication::exec();
}
