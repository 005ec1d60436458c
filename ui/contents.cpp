#include "ui/contents.h"

#include "input/location.h"
#include "model/correction.h"
#include "ui/fonts.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <array>

namespace ui {

const QString FormTitle = QStringLiteral("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ");

QString ControlName(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

namespace {

constexpr Rgb Default{};
constexpr Rgb LightYellow{255, 255, 192};
constexpr Rgb Lavender{192, 192, 255};
constexpr Rgb LightGreen{192, 255, 192};
constexpr Rgb Green{0, 128, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb DarkBlue{0, 0, 192};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Purple{128, 0, 128};
constexpr Rgb White{255, 255, 255};

using namespace flag;

const QString Remember = QStringLiteral("Θυμηθείτε");
const QString Rule60 = QStringLiteral("Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος του "
                                      "0 και μικρότερος ή ίσος του 60");
const QString Rule180 = QStringLiteral("Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος "
                                       "του 0 και μικρότερος ή ίσος του 180");
const QString RuleLongitude = QStringLiteral("Δεν υπάρχει τόπος με Γεωγραφικό Μήκος μεγαλύτερο "
                                             "των 180 μοιρών Ανατολικά ή Δυτικά");
const QString Tonos = QStringLiteral("\u0384");
// Captions that also name a control that shows no caption of its own.
const QString Diagram = QStringLiteral("Γράφημα");
const QString Table = QStringLiteral("Πίνακας τιμών");
const QString Correct = QStringLiteral("Παρακαλώ διορθώστε");
const QString East = QStringLiteral("Ανατολικά");
const QString West = QStringLiteral("Δυτικά");

ControlSpec Row(QString name, Kind kind, QString container, TwipRect rect, QString caption,
                Rgb fore, Rgb back, double points, bool bold, unsigned flags, int tab = -1) {
    ControlSpec design;
    design.name = std::move(name);
    design.kind = kind;
    design.container = std::move(container);
    design.rect = rect;
    design.caption = std::move(caption);
    design.fore = fore;
    design.back = back;
    design.points = points;
    design.bold = bold;
    design.flags = flags;
    design.tabIndex = tab;
    return design;
}

// A row with the name (and description) assistive technology gives the control.
ControlSpec Named(ControlSpec row, QString name, QString description = {}) {
    row.accessibleName = std::move(name);
    row.accessibleDescription = std::move(description);
    return row;
}

void Append(std::vector<ControlSpec>& all, std::vector<ControlSpec> rows) {
    for (ControlSpec& row : rows) all.push_back(std::move(row));
}

std::vector<QString> Items(auto const& texts) {
    std::vector<QString> items;
    for (std::string_view text : texts)
        items.push_back(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return items;
}

// The window's own controls.
std::vector<ControlSpec> FormTable() {
    using K = Kind;
    const QString F = QStringLiteral("FormStart");
    return {
        Named(Row("PictureError", K::PictureBox, F, {8880, 2280, 2160, 3615}, {}, Default,
                  LightYellow, 0, false, Hidden | Border, 47),
              Correct),
        Row("FrameLocGeoCo", K::Frame, F, {150, 150, 10950, 1935}, QStringLiteral("Επιλέξτε"), Blue,
            LightYellow, 12, false, 0),
        Named(Row("PictureMatrix", K::PictureBox, F, {150, 2280, 10950, 6000}, {}, Default,
                  LightYellow, 0, false, Hidden | Border, 58),
              Table),
        Named(Row("PictureDiagram", K::PictureBox, F, {150, 2280, 10950, 6000}, {}, Default,
                  LightYellow, 0, false, Border, 0),
              Diagram),
    };
}

// The reminder panel and its four frames.
std::vector<ControlSpec> ReminderTable() {
    using K = Kind;
    const QString P = QStringLiteral("PictureError");
    return {
        // Each frame is announced with its rule as the description.
        Named(Row("FrameErrorD", K::Frame, P, {2520, 1440, 4935, 1575}, Remember, Green,
                  LightYellow, 12, false, Hidden | Alert),
              Remember, Rule60),
        Named(Row("FrameErrorLo", K::Frame, P, {1800, 1440, 4575, 1935}, Remember, Green,
                  LightYellow, 12, false, Hidden | Alert),
              Remember, RuleLongitude),
        Named(Row("FrameErrorP", K::Frame, P, {1080, 1440, 4935, 1575}, Remember, Green,
                  LightYellow, 12, false, Hidden | Alert),
              Remember, Rule60),
        Named(Row("FrameErrorM", K::Frame, P, {240, 1440, 5175, 1575}, Remember, Green, LightYellow,
                  12, false, Hidden | Alert),
              Remember, Rule180),
        Row("LabelCor", K::Label, P, {1680, 480, 2895, 495}, Correct, Red, LightYellow, 12, false,
            AlignCenter),
        Row("Label10", K::Label, "FrameErrorD", {360, 360, 4095, 1095}, Rule60, Blue, LightYellow,
            12, false, AlignCenter),
        Row("Label11", K::Label, "FrameErrorLo", {720, 360, 3255, 1335}, RuleLongitude, Blue,
            LightYellow, 12, false, AlignCenter),
        Row("Label5", K::Label, "FrameErrorP", {360, 360, 4095, 1095}, Rule60, Blue, LightYellow,
            12, false, AlignCenter),
        Row("Label3", K::Label, "FrameErrorM", {480, 360, 4095, 1095}, Rule180, Blue, LightYellow,
            12, false, AlignCenter),
    };
}

// The location frame: the longitude, East or West, the time zone and the two view buttons.
std::vector<ControlSpec> LocationTable() {
    using K = Kind;
    const QString L = QStringLiteral("FrameLocGeoCo");
    std::vector<ControlSpec> rows{
        Row("CommandMatrix", K::CommandButton, L, {8400, 1190, 1695, 375}, Table, Default, Default,
            11.25, true, 0, 91),
        Row("ComboZW", K::ComboBox, L, {3787, 1150, 1965, 435}, QStringLiteral("GMT +02:00"),
            Purple, Default, 11.25, true, 0, 57),
        Row("CommandDiagram", K::CommandButton, L, {6840, 1190, 1215, 375}, Diagram, Default,
            Default, 11.25, true, 0, 46),
        // The option buttons are too narrow to show their own caption: the words beside them
        // name them.
        Named(Row("OptionWest", K::OptionButton, L, {8713, 500, 222, 345},
                  QStringLiteral("Option1"), Default, LightYellow, 0, false, 0, 43),
              West),
        Named(Row("OptionEast", K::OptionButton, L, {6958, 500, 222, 345},
                  QStringLiteral("Option1"), Default, LightYellow, 0, false, Selected, 42),
              East),
        Named(Row("TextMLo", K::TextBox, L, {3787, 450, 500, 435}, QStringLiteral("23"), Green,
                  Default, 11.25, true, 0, 4),
              QStringLiteral("Μοίρες γεωγραφικού μήκους")),
        Named(Row("TextPLo", K::TextBox, L, {4650, 450, 400, 435}, QStringLiteral("31"), Green,
                  Default, 11.25, true, 0, 3),
              QStringLiteral("Πρώτα λεπτά γεωγραφικού μήκους")),
        Named(Row("TextDLo", K::TextBox, L, {5418, 450, 400, 435}, QStringLiteral("43"), Green,
                  Default, 11.25, true, 0, 2),
              QStringLiteral("Δεύτερα λεπτά γεωγραφικού μήκους")),
        Row("LabelZW", K::Label, L, {2295, 1200, 1305, 345}, QStringLiteral("Ζώνη ώρας:"), Purple,
            LightYellow, 12, false, AutoSize),
        Row("Label1", K::Label, L, {8968, 480, 780, 345}, West, Green, LightYellow, 12, false,
            AutoSize),
        Row("LabelLo", K::Label, L, {1443, 480, 2175, 345}, QStringLiteral("Γεωγραφικό Μήκος:"),
            Green, LightYellow, 12, false, AutoSize),
        Row("Label7", K::Label, L, {5868, 450, 180, 450}, Tonos, Green, Default, 15.75, true,
            AutoSize | Transparent),
        Row("Label2", K::Label, L, {7213, 480, 1140, 345}, East, Green, LightYellow, 12, false,
            AutoSize),
        Row("Label6", K::Label, L, {5788, 450, 180, 450}, Tonos, Green, Default, 15.75, true,
            AutoSize | Transparent),
        Row("Label8", K::Label, L, {5030, 450, 180, 450}, Tonos, Green, Default, 15.75, true,
            AutoSize | Transparent),
        Row("Label9", K::Label, L, {4300, 430, 105, 285}, QStringLiteral("o"), Green, LightYellow,
            9.75, true, AutoSize),
    };
    rows[1].items = Items(input::ZoneItems);
    return rows;
}

// Where LabelMonth(i) stands: three columns of days 1-10, 11-20 and 21-31.
TwipRect DayNumberPlace(int i) {
    const float left = i < 10 ? 800.0f : i < 20 ? 4100.0f : 7440.0f;
    const int r = i == 30 ? 10 : i % 10;
    const float top = r == 0   ? 1275.0f
                      : r == 1 ? 1620.0f
                      : r == 2 ? 1965.0f
                               : 2325.0f + 360.0f * (r - 3);
    return {left, top, 300, 360};
}

// The designed places of LabelValT(i); each refresh moves them beside their day numbers.
TwipRect ValuePlace(int i) {
    static constexpr std::array<float, 31> Tops{1295, 1680, 2040, 2400, 2760, 3000, 3390, 3750,
                                                4110, 4470, 1320, 1710, 2070, 2430, 2790, 3000,
                                                3390, 3750, 4110, 4470, 1320, 1710, 2070, 2430,
                                                2790, 3120, 3510, 3870, 4230, 4590, 4920};
    float left = i < 10 ? 1320.0f : i < 20 ? 4680.0f : 7800.0f;
    if (i == 0) left = 1385;
    if (i == 5) left = 1380;
    if (i == 10 || i == 15) left = 4740;
    if (i == 20 || i == 25) left = 7860;
    return {left, Tops[static_cast<std::size_t>(i)], 2445, 360};
}

// The table view: the month list and the 31 rows of day number and value.
std::vector<ControlSpec> TableTable() {
    using K = Kind;
    const QString T = QStringLiteral("PictureMatrix");
    std::vector<ControlSpec> rows{Row("ComboMonth", K::ComboBox, T, {4515, 315, 2160, 435},
                                      QStringLiteral("Ιανουάριος"), DarkBlue, White, 11.25, true, 0,
                                      59)};
    rows[0].items = Items(model::MonthNames);
    auto value = [&](int i) {
        ControlSpec row =
            Row("LabelValT", K::Label, T, ValuePlace(i), QStringLiteral("-55 h  -55 min  -55 sec"),
                Red, Default, 9.75, true, AutoSize | Transparent);
        row.index = i;
        rows.push_back(std::move(row));
    };
    auto day = [&](int i) {
        ControlSpec row = Row("LabelMonth", K::Label, T, DayNumberPlace(i), QStringLiteral("55"),
                              DarkBlue, LightGreen, 11.25, true, AlignRight | Transparent);
        row.index = i;
        rows.push_back(std::move(row));
    };
    for (int i = 30; i >= 0; --i) value(i);
    day(0);
    for (int i = 30; i >= 1; --i) day(i);
    return rows;
}

struct MonthPicture {
    float left, width;
    Rgb back;
    float scaleWidth;
};
constexpr std::array<MonthPicture, 12> MonthPictures{{
    {840, 837, Lavender, 840},
    {1680, 756, LightGreen, 750},
    {2430, 837, Lavender, 840},
    {3270, 810, LightGreen, 810},
    {4080, 837, Lavender, 840},
    {4920, 810, LightGreen, 810},
    {5730, 837, Lavender, 840},
    {6570, 837, LightGreen, 840},
    {7395, 810, Lavender, 810},
    {8205, 837, LightGreen, 840},
    {9045, 810, Lavender, 810},
    {9855, 837, LightGreen, 840},
}};

// The diagram view: the twelve month pictures, the seven minute labels and the month names.
std::vector<ControlSpec> DiagramTable() {
    using K = Kind;
    const QString D = QStringLiteral("PictureDiagram");
    std::vector<ControlSpec> rows;
    const std::vector<QString> monthNames = Items(model::MonthNames);
    for (int month : {1, 3, 5, 7, 8, 10, 12, 2, 4, 6, 9, 11}) {
        const MonthPicture& m = MonthPictures[static_cast<std::size_t>(month - 1)];
        ControlSpec row =
            Row(QStringLiteral("PictureM%1").arg(month), K::PictureBox, D,
                {m.left, 240, m.width, 5020}, {}, Default, m.back, 0, false, 0, 29 + month);
        row.accessibleName = monthNames[static_cast<std::size_t>(month - 1)];
        row.scaleWidth = m.scaleWidth;
        row.scaleHeight = 5025;
        rows.push_back(std::move(row));
    }
    static constexpr std::array<float, 7> TimeTops{600, 1200, 2040, 2760, 3360, 4080, 4800};
    for (int i : {0, 2, 6, 5, 4, 3, 1}) {
        ControlSpec row =
            Row("Labeltime", K::Label, D, {135, TimeTops[static_cast<std::size_t>(i)], 675, 570},
                QStringLiteral("Label%1").arg(i), Red, LightYellow, 9.75, true,
                AlignRight | Transparent);
        row.index = i;
        rows.push_back(std::move(row));
    }
    static const std::array<QString, 12> Names{"Ιανουάρ", "Φεβρ",    "Μάρτιος", "Απρίλ",
                                               "Μάιος",   "Ιούνιος", "Ιούλιος", "Αύγουστ",
                                               "Σεπτεμβ", "Οκτωβρ",  "Νοεμβρ",  "Δεκέμβρ"};
    for (int i = 11; i >= 0; --i) {
        const MonthPicture& m = MonthPictures[static_cast<std::size_t>(i)];
        ControlSpec row = Row("Labelm", K::Label, D, {m.left, 5355, m.scaleWidth, 300},
                              Names[static_cast<std::size_t>(i)], Default,
                              i % 2 == 0 ? Lavender : LightGreen, 9, false, AlignCenter);
        row.index = i;
        rows.push_back(std::move(row));
    }
    return rows;
}

constexpr char AlertProperty[] = "exisosiAlert";

// A control marked Alert shows itself to assistive technology as an alert, which screen readers
// read out, name and description, as soon as it appears.
QAccessibleInterface* AlertInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(AlertProperty).toBool()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

Placement* Make(const ControlSpec& design, QWidget* parent) {
    const QColor fore = design.fore.colour();
    const QColor back = design.back.colour();
    const bool fill = !(design.flags & Transparent);
    Placement* made = nullptr;
    switch (design.kind) {
    case Kind::Frame: {
        auto* frame = new Frame(parent);
        // Before the caption: setting it makes Qt look up (and keep) the frame's interface.
        if (design.flags & Alert) frame->setProperty(AlertProperty, true);
        frame->setTitle(design.caption);
        made = frame;
        break;
    }
    case Kind::Label: {
        auto* label = new Label(parent);
        Qt::Alignment align = Qt::AlignTop;
        align |= (design.flags & AlignRight)    ? Qt::AlignRight
                 : (design.flags & AlignCenter) ? Qt::AlignHCenter
                                                : Qt::AlignLeft;
        label->setAlignment(align);
        label->setCaption(design.caption);
        made = label;
        break;
    }
    case Kind::TextBox: {
        auto* box = new TextBox(parent);
        box->setText(design.caption);
        box->setCursorPosition(0);
        made = box;
        break;
    }
    case Kind::OptionButton: {
        auto* option = new OptionButton(parent);
        option->setText(design.caption);
        option->setChecked(design.flags & Selected);
        made = option;
        break;
    }
    case Kind::ComboBox: {
        auto* combo = new ComboBox(parent);
        for (const QString& item : design.items) combo->addItem(item, 0);
        // The list stands at the item its text shows, so that the arrow keys step from there and
        // leaving the field picks nothing.
        combo->setCurrentIndex(combo->findText(design.caption, Qt::MatchExactly));
        combo->setEditText(design.caption);
        made = combo;
        break;
    }
    case Kind::CommandButton: {
        auto* button = new CommandButton(parent);
        button->setText(design.caption);
        made = button;
        break;
    }
    case Kind::PictureBox: {
        auto* picture = new PictureBox(parent, design.flags & Border);
        made = picture;
        break;
    }
    }
    QWidget* widget = made->widget();
    widget->setObjectName(ControlName(design.name, design.index));
    if (!design.accessibleName.isEmpty()) widget->setAccessibleName(design.accessibleName);
    widget->setAccessibleDescription(design.accessibleDescription);
    if (design.points > 0) widget->setFont(DesignFont(design.points, design.bold));
    SetColours(widget, fore, back, fill);
    return made;
}

} // namespace

const std::vector<ControlSpec>& WindowContents() {
    static const std::vector<ControlSpec> all = [] {
        std::vector<ControlSpec> rows;
        Append(rows, FormTable());
        Append(rows, ReminderTable());
        Append(rows, LocationTable());
        Append(rows, TableTable());
        Append(rows, DiagramTable());
        return rows;
    }();
    return all;
}

Controls::Controls(Form& form) {
    QAccessible::installFactory(AlertInterface); // installs it once, however often it is called
    byName_.insert(QStringLiteral("FormStart"), &form);
    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ControlSpec& design : WindowContents()) {
        Placement* container = byName_.value(design.container);
        Placement* made = Make(design, container->widget());
        // The rectangle first: the widget is then placed once, when it joins its container.
        made->setTwipRect(design.rect);
        made->setContainer(container);
        if (auto* picture = dynamic_cast<PictureBox*>(made)) {
            const float inside = 2 * static_cast<float>(picture->frameWidth() * TwipsPerPixel);
            picture->setScaleWidth(design.scaleWidth > 0 ? design.scaleWidth
                                                         : design.rect.width - inside);
            picture->setScaleHeight(design.scaleHeight > 0 ? design.scaleHeight
                                                           : design.rect.height - inside);
        }
        if (auto* label = dynamic_cast<Label*>(made)) label->setAutoSize(design.flags & AutoSize);
        if (design.flags & Hidden) made->widget()->hide();
        if (design.tabIndex >= 0 && made->widget()->focusPolicy() != Qt::NoFocus)
            tabbed.emplace_back(design.tabIndex, made->widget());
        byName_.insert(made->widget()->objectName(), made);
    }
    std::sort(tabbed.begin(), tabbed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);
}

} // namespace ui
