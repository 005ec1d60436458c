// libFuzzer target: a full refresh of a real FormStart on the offscreen platform with arbitrary
// texts in all five text-bearing controls (the three longitude fields and the two combo boxes),
// followed by the fourteen paint handlers, and on request a real render of the window.
//
// Input: "degrees|minutes|seconds|flags|zone|month"; the month is the rest of the input, bars
// included. Flags, any order: W the place is West; T the table button, else the diagram button;
// Z the refresh comes from a pick in the zone list, M from a pick in the month list, R from a
// resize notification (after the button); P render the window; U the texts are UTF-16 (so lone
// surrogates occur), else UTF-8; F a new window, just started, for this input.
//
// After the refresh the invariants of support/window_check.h hold, the fields keep or change colour
// as the last check says, and running the fourteen paint handlers again draws the same.

#include "app/formstart.h"
#include "support/bars.h"
#include "support/odd_values.h"
#include "support/window_check.h"
#include "ui/startup.h"

#include <QApplication>
#include <QResizeEvent>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

QApplication* Application = nullptr;

QString Decode(std::string_view bytes, bool utf16) {
    if (utf16) {
        if (bytes.size() < 2) return {};
        QString text(static_cast<qsizetype>(bytes.size() / 2), Qt::Uninitialized);
        std::memcpy(text.data(), bytes.data(), static_cast<std::size_t>(text.size()) * 2);
        return text;
    }
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

struct Case {
    std::array<QString, 5> texts; // degrees, minutes, seconds, zone, month
    QString flags;
};

QString Describe(const Case& c) {
    QStringList parts;
    for (const QString& text : c.texts)
        parts << (text.size() > 80 ? text.left(80) + QString("...(%1)").arg(text.size()) : text);
    parts.insert(3, c.flags);
    return parts.join('|');
}

[[noreturn]] void Fail(const Case& c, const QString& what) {
    std::fprintf(stderr, "FormStart: %s\n  on \"%s\"\n", qPrintable(what), qPrintable(Describe(c)));
    std::abort();
}

std::vector<std::vector<ui::DrawOp>> Drawings(const app::FormStart& form) {
    std::vector<std::vector<ui::DrawOp>> all;
    for (const char* name : {"PictureDiagram", "PictureMatrix", "PictureError"})
        all.push_back(check::Control<ui::PictureBox>(form, name).operations());
    for (int m = 1; m <= 12; ++m)
        all.push_back(
            check::Control<ui::PictureBox>(form, QString("PictureM%1").arg(m)).operations());
    return all;
}

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The same drawing, NaN for NaN: unchecked texts can put NaN into a hidden month picture.
bool Same(const std::vector<std::vector<ui::DrawOp>>& a,
          const std::vector<std::vector<ui::DrawOp>>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size()) return false;
        for (std::size_t j = 0; j < a[i].size(); ++j) {
            const ui::DrawOp& x = a[i][j];
            const ui::DrawOp& y = b[i][j];
            if (x.kind != y.kind || x.colour != y.colour || x.width != y.width ||
                !Same(x.x1, y.x1) || !Same(x.y1, y.y1) || !Same(x.x2, y.x2) || !Same(x.y2, y.y2) ||
                !Same(x.radius, y.radius))
                return false;
        }
    }
    return true;
}

// One window serves every input, as making one costs far more than a refresh. Each input
// starts from the same state: the month list back at January (the only value a refresh keeps
// from one input to the next when the month text names no month) and colours set below.
// EXISOSI_FUZZ_FRESH_WINDOW=1 makes a new window for each input instead, to replay a finding
// with no history at all.
// The window outlives the run (it is never destroyed at exit, after Qt's own globals).
app::FormStart& Window(bool fresh) {
    static app::FormStart* window = nullptr;
    static const bool always = qEnvironmentVariableIntValue("EXISOSI_FUZZ_FRESH_WINDOW") != 0;
    if (!window || fresh || always) {
        delete window;
        window = new app::FormStart;
        window->show();
    }
    check::Control<ui::ComboBox>(*window, "ComboMonth").setEditText(QStringLiteral("Ιανουάριος"));
    window->PictureMatrix_Paint();
    return *window;
}

void Run(const Case& c) {
    app::FormStart& form = Window(c.flags.contains('F'));
    auto fields = check::Fields(form);
    for (std::size_t i = 0; i < 3; ++i) fields[i]->setText(c.texts[i]);
    check::Control<ui::ComboBox>(form, "ComboZW").setEditText(c.texts[3]);
    check::Control<ui::ComboBox>(form, "ComboMonth").setEditText(c.texts[4]);
    check::Control<ui::OptionButton>(form, c.flags.contains('W') ? "OptionWest" : "OptionEast")
        .setChecked(true);
    // A colour no rule sets, to see which fields a failure keeps.
    const QColor kept(200, 200, 0);
    for (ui::TextBox* field : fields) field->setForeColor(kept);
    const auto before = check::FieldTexts(form);

    if (c.flags.contains('T'))
        form.CommandMatrix_Click();
    else
        form.CommandDiagram_Click();
    const auto first = check::FieldTexts(form);
    std::array<bool, 3> changed{};
    for (std::size_t i = 0; i < 3; ++i) changed[i] = first[i] != before[i];
    if (QString fault =
            check::RefreshFaults(form, std::array<QColor, 3>{kept, kept, kept}, changed);
        !fault.isEmpty())
        Fail(c, fault);

    // A second refresh by another road.
    const auto colours = check::FieldColours(form);
    if (c.flags.contains('Z')) form.ComboZW_Click();
    if (c.flags.contains('M')) form.ComboMonth_Click();
    if (c.flags.contains('R')) {
        QResizeEvent resize(form.size(), form.size());
        QApplication::sendEvent(&form, &resize);
    }
    const auto second = check::FieldTexts(form);
    for (std::size_t i = 0; i < 3; ++i) changed[i] = second[i] != first[i];
    if (QString fault = check::RefreshFaults(form, colours, changed); !fault.isEmpty())
        Fail(c, "after the second refresh: " + fault);

    // The fourteen paint handlers again, as the platform may call them: the same drawing.
    const auto drawn = Drawings(form);
    form.PictureDiagram_Paint();
    form.PictureM1_Paint();
    form.PictureM2_Paint();
    form.PictureM3_Paint();
    form.PictureM4_Paint();
    form.PictureM5_Paint();
    form.PictureM6_Paint();
    form.PictureM7_Paint();
    form.PictureM8_Paint();
    form.PictureM9_Paint();
    form.PictureM10_Paint();
    form.PictureM11_Paint();
    form.PictureM12_Paint();
    form.PictureMatrix_Paint();
    if (!Same(Drawings(form), drawn)) Fail(c, "painting again drew something else");
    if (QString fault = check::RefreshFaults(form); !fault.isEmpty())
        Fail(c, "after the paint handlers: " + fault);

    if (c.flags.contains('P')) (void)form.grab(); // every picture and label through the platform

    // Nothing is created or freed at run time: the same objects after every input.
    static const qsizetype widgets = QApplication::allWidgets().size();
    static const qsizetype objects = form.findChildren<QObject*>().size();
    if (QApplication::allWidgets().size() != widgets ||
        form.findChildren<QObject*>().size() != objects)
        Fail(c, QString("%1 widgets and %2 objects, not %3 and %4")
                    .arg(QApplication::allWidgets().size())
                    .arg(form.findChildren<QObject*>().size())
                    .arg(widgets)
                    .arg(objects));
}

Case Parse(std::string_view input) {
    const auto parts = splitBars<5>(input);
    Case c;
    c.flags = QString::fromLatin1(parts[3].data(), static_cast<qsizetype>(parts[3].size()));
    const bool utf16 = c.flags.contains('U');
    c.texts = {Decode(parts[0], utf16), Decode(parts[1], utf16), Decode(parts[2], utf16),
               Decode(parts[4], utf16), Decode(input, utf16)};
    return c;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = "/tmp/exisosi-fuzz-runtime";
        mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    static int argc = 1;
    static char name[] = "fuzz_formstart";
    static char* argv[] = {name, nullptr};
    Application = new QApplication(argc, argv);
    ui::startUp();

    // The odd values of the issue in every text-bearing control, both views, rendered.
    const QString digits = QString::fromStdString(odd::MillionDigits());
    for (const odd::Expected& row : odd::Numbers) {
        const QString t =
            QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
        Run({{t, "31", "43", "GMT +02:00", "Μάρτιος"}, "P"});
        Run({{"23", t, t, "GMT " + t, t}, "TWZ"});
        Run({{t, t, t, t, t}, "TMR"});
    }
    Run({{QString(100'000, '1'), "31", "43", QString(100'000, '-'), QString(100'000, 'A')}, "TP"});
    Run({{"23", digits, "43", "GMT +" + digits, digits}, "W"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Run(Parse(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
