#include "ui/contents.h"

#include "input/location.h"

#include <array>

// The rows name the fields the design gives and leave the rest to their defaults. g++ 12 warns
// about every field a designated initializer leaves out, which is the point of writing them so.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace ui {

const QString FormTitle = QStringLiteral("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ");

QString controlName(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

namespace {

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
const QString East = QString::fromUtf8(input::EastWord.data(), input::EastWord.size());
const QString West = QString::fromUtf8(input::WestWord.data(), input::WestWord.size());

void append(std::vector<ControlSpec>& all, std::vector<ControlSpec> rows) {
    for (ControlSpec& row : rows) all.push_back(std::move(row));
}

// The window's own controls. The pictures show no caption: assistive technology names them.
std::vector<ControlSpec> formTable() {
    const QString F = QStringLiteral("FormStart");
    return {
        {.name = "PictureError",
         .kind = Kind::PictureBox,
         .container = F,
         .rect = {8880, 2280, 2160, 3615},
         .back = LightYellow,
         .flags = Hidden | Border,
         .tabIndex = 47,
         .accessibleName = Correct},
        {.name = "FrameLocGeoCo",
         .kind = Kind::Frame,
         .container = F,
         .rect = {150, 150, 10950, 1935},
         .caption = "Επιλέξτε",
         .fore = Blue,
         .back = LightYellow,
         .points = 12},
        {.name = "PictureMatrix",
         .kind = Kind::PictureBox,
         .container = F,
         .rect = {150, 2280, 10950, 6000},
         .back = LightYellow,
         .flags = Hidden | Border,
         .tabIndex = 58,
         .accessibleName = Table},
        {.name = "PictureDiagram",
         .kind = Kind::PictureBox,
         .container = F,
         .rect = {150, 2280, 10950, 6000},
         .back = LightYellow,
         .flags = Border,
         .tabIndex = 0,
         .accessibleName = Diagram},
    };
}

// A frame of the reminder panel: announced when it shows, with its rule as the description.
ControlSpec reminderFrame(QString name, TwipRect rect, QString rule) {
    return {.name = std::move(name),
            .kind = Kind::Frame,
            .container = "PictureError",
            .rect = rect,
            .caption = Remember,
            .fore = Green,
            .back = LightYellow,
            .points = 12,
            .flags = Hidden | Alert,
            .accessibleName = Remember,
            .accessibleDescription = std::move(rule)};
}

// A rule inside its frame of the reminder panel.
ControlSpec ruleLabel(QString name, QString frame, TwipRect rect, QString rule) {
    return {.name = std::move(name),
            .kind = Kind::Label,
            .container = std::move(frame),
            .rect = rect,
            .caption = std::move(rule),
            .fore = Blue,
            .back = LightYellow,
            .points = 12,
            .flags = AlignCenter};
}

// The reminder panel and its four frames.
std::vector<ControlSpec> reminderTable() {
    return {
        reminderFrame("FrameErrorD", {2520, 1440, 4935, 1575}, Rule60),
        reminderFrame("FrameErrorLo", {1800, 1440, 4575, 1935}, RuleLongitude),
        reminderFrame("FrameErrorP", {1080, 1440, 4935, 1575}, Rule60),
        reminderFrame("FrameErrorM", {240, 1440, 5175, 1575}, Rule180),
        {.name = "LabelCor",
         .kind = Kind::Label,
         .container = "PictureError",
         .rect = {1680, 480, 2895, 495},
         .caption = Correct,
         .fore = Red,
         .back = LightYellow,
         .points = 12,
         .flags = AlignCenter},
        ruleLabel("Label10", "FrameErrorD", {360, 360, 4095, 1095}, Rule60),
        ruleLabel("Label11", "FrameErrorLo", {720, 360, 3255, 1335}, RuleLongitude),
        ruleLabel("Label5", "FrameErrorP", {360, 360, 4095, 1095}, Rule60),
        ruleLabel("Label3", "FrameErrorM", {480, 360, 4095, 1095}, Rule180),
    };
}

// The location frame: the longitude, East or West, the time zone and the two view buttons.
std::vector<ControlSpec> locationTable(const std::vector<QString>& zones) {
    const QString L = QStringLiteral("FrameLocGeoCo");
    // A label of the frame: its caption in `fore` on light yellow, 12 pt, sized to its caption.
    auto word = [&](QString name, TwipRect rect, QString caption, Rgb fore) {
        return ControlSpec{.name = std::move(name),
                           .kind = Kind::Label,
                           .container = L,
                           .rect = rect,
                           .caption = std::move(caption),
                           .fore = fore,
                           .back = LightYellow,
                           .points = 12,
                           .flags = AutoSize};
    };
    // A tonos that marks minutes, or with its twin seconds, of arc.
    auto mark = [&](QString name, TwipRect rect) {
        return ControlSpec{.name = std::move(name),
                           .kind = Kind::Label,
                           .container = L,
                           .rect = rect,
                           .caption = Tonos,
                           .fore = Green,
                           .points = 15.75,
                           .bold = true,
                           .flags = AutoSize | Transparent};
    };
    auto field = [&](QString name, TwipRect rect, QString text, int tab, QString spoken) {
        return ControlSpec{.name = std::move(name),
                           .kind = Kind::TextBox,
                           .container = L,
                           .rect = rect,
                           .caption = std::move(text),
                           .fore = Green,
                           .points = 11.25,
                           .bold = true,
                           .tabIndex = tab,
                           .accessibleName = std::move(spoken)};
    };
    return {
        {.name = "CommandMatrix",
         .kind = Kind::CommandButton,
         .container = L,
         .rect = {8400, 1190, 1695, 375},
         .caption = Table,
         .points = 11.25,
         .bold = true,
         .tabIndex = 91},
        {.name = "ComboZW",
         .kind = Kind::ComboBox,
         .container = L,
         .rect = {3787, 1150, 1965, 435},
         .caption = "GMT +02:00",
         .fore = Purple,
         .points = 11.25,
         .bold = true,
         .tabIndex = 57,
         .items = zones},
        {.name = "CommandDiagram",
         .kind = Kind::CommandButton,
         .container = L,
         .rect = {6840, 1190, 1215, 375},
         .caption = Diagram,
         .points = 11.25,
         .bold = true,
         .tabIndex = 46},
        // The option buttons are too narrow to show their own caption: the words beside them
        // name them.
        {.name = "OptionWest",
         .kind = Kind::OptionButton,
         .container = L,
         .rect = {8713, 500, 222, 345},
         .caption = "Option1",
         .back = LightYellow,
         .tabIndex = 43,
         .accessibleName = West},
        {.name = "OptionEast",
         .kind = Kind::OptionButton,
         .container = L,
         .rect = {6958, 500, 222, 345},
         .caption = "Option1",
         .back = LightYellow,
         .flags = Selected,
         .tabIndex = 42,
         .accessibleName = East},
        field("TextMLo", {3787, 450, 500, 435}, "23", 4, "Μοίρες γεωγραφικού μήκους"),
        field("TextPLo", {4650, 450, 400, 435}, "31", 3, "Πρώτα λεπτά γεωγραφικού μήκους"),
        field("TextDLo", {5418, 450, 400, 435}, "43", 2, "Δεύτερα λεπτά γεωγραφικού μήκους"),
        word("LabelZW", {2295, 1200, 1305, 345}, "Ζώνη ώρας:", Purple),
        word("Label1", {8968, 480, 780, 345}, West, Green),
        word("LabelLo", {1443, 480, 2175, 345}, "Γεωγραφικό Μήκος:", Green),
        mark("Label7", {5868, 450, 180, 450}),
        word("Label2", {7213, 480, 1140, 345}, East, Green),
        mark("Label6", {5788, 450, 180, 450}),
        mark("Label8", {5030, 450, 180, 450}),
        {.name = "Label9",
         .kind = Kind::Label,
         .container = L,
         .rect = {4300, 430, 105, 285},
         .caption = "o",
         .fore = Green,
         .back = LightYellow,
         .points = 9.75,
         .bold = true,
         .flags = AutoSize},
    };
}

// Where LabelMonth(i) stands: three columns of days 1-10, 11-20 and 21-31.
TwipRect dayNumberPlace(int i) {
    const float left = i < 10 ? 800.0f : i < 20 ? 4100.0f : 7440.0f;
    const int r = i == 30 ? 10 : i % 10;
    const float top = r == 0   ? 1275.0f
                      : r == 1 ? 1620.0f
                      : r == 2 ? 1965.0f
                               : 2325.0f + 360.0f * (r - 3);
    return {left, top, 300, 360};
}

// The designed places of LabelValT(i); each refresh moves them beside their day numbers.
TwipRect valuePlace(int i) {
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
std::vector<ControlSpec> tableTable(const std::vector<QString>& months) {
    const QString T = QStringLiteral("PictureMatrix");
    std::vector<ControlSpec> rows{{.name = "ComboMonth",
                                   .kind = Kind::ComboBox,
                                   .container = T,
                                   .rect = {4515, 315, 2160, 435},
                                   .caption = "Ιανουάριος",
                                   .fore = DarkBlue,
                                   .back = White,
                                   .points = 11.25,
                                   .bold = true,
                                   .tabIndex = 59,
                                   .items = months}};
    auto value = [&](int i) {
        rows.push_back({.name = "LabelValT",
                        .index = i,
                        .kind = Kind::Label,
                        .container = T,
                        .rect = valuePlace(i),
                        .caption = "-55 h  -55 min  -55 sec",
                        .fore = Red,
                        .points = 9.75,
                        .bold = true,
                        .flags = AutoSize | Transparent});
    };
    // Their light-green background is never shown: they are transparent.
    auto day = [&](int i) {
        rows.push_back({.name = "LabelMonth",
                        .index = i,
                        .kind = Kind::Label,
                        .container = T,
                        .rect = dayNumberPlace(i),
                        .caption = "55",
                        .fore = DarkBlue,
                        .back = LightGreen,
                        .points = 11.25,
                        .bold = true,
                        .flags = AlignRight | Transparent});
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
    int tabIndex;
};
constexpr std::array<MonthPicture, 12> MonthPictures{{
    {840, 837, Lavender, 840, 30},
    {1680, 756, LightGreen, 750, 37},
    {2430, 837, Lavender, 840, 31},
    {3270, 810, LightGreen, 810, 38},
    {4080, 837, Lavender, 840, 32},
    {4920, 810, LightGreen, 810, 39},
    {5730, 837, Lavender, 840, 33},
    {6570, 837, LightGreen, 840, 34},
    {7395, 810, Lavender, 810, 40},
    {8205, 837, LightGreen, 840, 35},
    {9045, 810, Lavender, 810, 41},
    {9855, 837, LightGreen, 840, 36},
}};

// The diagram view: the twelve month pictures, the seven minute labels and the month names.
std::vector<ControlSpec> diagramTable(const std::vector<QString>& monthNames) {
    const QString D = QStringLiteral("PictureDiagram");
    std::vector<ControlSpec> rows;
    for (int month : {1, 3, 5, 7, 8, 10, 12, 2, 4, 6, 9, 11}) {
        const MonthPicture& m = MonthPictures[static_cast<std::size_t>(month - 1)];
        rows.push_back({.name = QStringLiteral("PictureM%1").arg(month),
                        .kind = Kind::PictureBox,
                        .container = D,
                        .rect = {m.left, 240, m.width, 5020},
                        .back = m.back,
                        .tabIndex = m.tabIndex,
                        .scaleWidth = m.scaleWidth,
                        .scaleHeight = 5025,
                        .accessibleName = static_cast<std::size_t>(month) <= monthNames.size()
                                              ? monthNames[static_cast<std::size_t>(month - 1)]
                                              : QString()});
    }
    static constexpr std::array<float, 7> TimeTops{600, 1200, 2040, 2760, 3360, 4080, 4800};
    for (int i : {0, 2, 6, 5, 4, 3, 1}) {
        rows.push_back({.name = "Labeltime",
                        .index = i,
                        .kind = Kind::Label,
                        .container = D,
                        .rect = {135, TimeTops[static_cast<std::size_t>(i)], 675, 570},
                        .caption = QStringLiteral("Label%1").arg(i),
                        .fore = Red,
                        .back = LightYellow,
                        .points = 9.75,
                        .bold = true,
                        .flags = AlignRight | Transparent});
    }
    static const std::array<QString, 12> Names{"Ιανουάρ", "Φεβρ",    "Μάρτιος", "Απρίλ",
                                               "Μάιος",   "Ιούνιος", "Ιούλιος", "Αύγουστ",
                                               "Σεπτεμβ", "Οκτωβρ",  "Νοεμβρ",  "Δεκέμβρ"};
    // The month names stand under their pictures, on their pictures' colours, as wide as their
    // pictures' scales, in the platform's label colour.
    for (int i = 11; i >= 0; --i) {
        const MonthPicture& m = MonthPictures[static_cast<std::size_t>(i)];
        rows.push_back({.name = "Labelm",
                        .index = i,
                        .kind = Kind::Label,
                        .container = D,
                        .rect = {m.left, 5355, m.scaleWidth, 300},
                        .caption = Names[static_cast<std::size_t>(i)],
                        .back = m.back,
                        .points = 9,
                        .flags = AlignCenter});
    }
    return rows;
}

} // namespace

std::vector<ControlSpec> windowContents(const ItemLists& lists) {
    std::vector<ControlSpec> rows;
    append(rows, formTable());
    append(rows, reminderTable());
    append(rows, locationTable(lists.zones));
    append(rows, tableTable(lists.months));
    append(rows, diagramTable(lists.months));
    return rows;
}

} // namespace ui
