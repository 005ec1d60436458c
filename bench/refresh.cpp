// The refresh against rendering alone, what a user's actions cost with the repaint that follows
// them, and the memory of many refreshes, with Google Benchmark, in one process that builds the
// window itself on the current platform (the script runs it offscreen, at QT_SCALE_FACTOR 1 and
// 2). Each view (diagram, table, reminder) has:
//   refresh/<view>    one Form_Resize followed by a render of the whole window, the degrees
//                     changed before each (unmeasured), as a user changes them between refreshes;
//   refresh-same/<view>  the same with the degrees unchanged, as the same button again;
//   empty/<view>      a render of the same window with nothing recorded in its pictures (after
//                     one render unmeasured, which catches up what the view's change left);
//   straight/diagram  that empty render, then the operations the refresh recorded drawn straight
//                     with QPainter over it (bench/straight.h).
// The user's actions, each measured as the action and the repaint the toolkit then does, events
// processed until a pass delivers none (the pictures post themselves a check after drawing, and
// update() reaches the window as a posted request): never a render of the whole window.
//   repeat/<view>     the view's button pressed again (the reminder's: the diagram's button);
//   repeat/zone       the zone on show picked again, diagram on show;
//   restore/<view>    the window restored after it was minimised;
//   month             the next month picked, table on show;
//   longitude/<view>  other degrees typed, then the view's button;
//   switch/<view>     the other view's button pressed, with the same texts;
//   copy/diagram      copyShownView() with the diagram on show (a picture at twice the density);
//   zone              the next zone picked, diagram on show;
//   year/choose       a calendar year chosen (another each time) and the view on show redrawn;
//   year/longitude/<view>, year/switch/<view>, year/zone  as above, in a calendar year.
// Before each measured action, the unmeasured steps leave other degrees than the last time
// (cycling through seven), so that what is measured never repeats the previous result.
// memory             resident memory and heap in use after 10 and after --refreshes=N refreshes
//                    (10000), the three views in turn, as counters.
// Under callgrind (valgrind --tool=callgrind --collect-atstart=no) only the measured steps are
// counted, and each benchmark runs a fixed number of iterations, so the instructions collected
// divided by the iterations reported are the instructions of one step.

#include "app/formstart.h"
#include "bench/firstframe.h"
#include "bench/straight.h"
#include "ui/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <memory>
#include <string>
#include <valgrind/callgrind.h>
#include <vector>

namespace {

using app::FormStart;

struct View {
    const char* name;
    void (*show)(FormStart&);
};

ui::TextBox& Degrees(FormStart& form) {
    return form.controls().get<ui::TextBox>("TextMLo");
}

const View Views[] = {
    {"diagram",
     [](FormStart& form) {
         Degrees(form).setText(QStringLiteral("23"));
         form.CommandDiagram_Click();
     }},
    {"table",
     [](FormStart& form) {
         Degrees(form).setText(QStringLiteral("23"));
         form.CommandMatrix_Click();
     }},
    {"reminder",
     [](FormStart& form) {
         Degrees(form).setText(QStringLiteral("200"));
         form.CommandDiagram_Click();
     }},
};

// Counts the events the application delivers, to tell when it has nothing more to do.
class Delivered : public QObject {
public:
    long count = 0;

protected:
    bool eventFilter(QObject*, QEvent*) override {
        ++count;
        return false;
    }
};

Delivered* delivered = nullptr;

// Processes events until a pass delivers none: the checks the pictures posted themselves, the
// update requests those make, the paints, and whatever else the action queued.
void Settle() {
    for (int pass = 0; pass < 50; ++pass) {
        const long before = delivered->count;
        QCoreApplication::processEvents();
        if (delivered->count == before) return;
    }
}

// Degrees that differ from one use to the next: valid ones (for the diagram and the table) and
// ones past 180 (for the reminder).
QString NextDegrees(bool valid) {
    static int next = 0;
    static const char* const Valid[] = {"20", "21", "22", "23", "24", "25", "26"};
    static const char* const Invalid[] = {"181", "200", "250", "300", "350", "400", "999"};
    next = (next + 1) % 7;
    return QString::fromLatin1(valid ? Valid[next] : Invalid[next]);
}

ui::CommandButton& Button(FormStart& form, const char* name) {
    return form.controls().get<ui::CommandButton>(name);
}

ui::ComboBox& List(FormStart& form, const char* name) {
    return form.controls().get<ui::ComboBox>(name);
}

// A pick from a list, as the user makes it: the list's text changes, then it reports the pick.
void Pick(ui::ComboBox& list, int index) {
    list.setCurrentIndex(index);
    emit list.activated(index);
}

ui::PictureBox& Month(FormStart& form, int month) {
    return form.controls().get<ui::PictureBox>(QStringLiteral("PictureM%1").arg(month));
}

// Leaves nothing recorded in any picture of the window.
void EmptyPictures(FormStart& form) {
    for (const char* name : {"PictureDiagram", "PictureMatrix", "PictureError"})
        form.controls().get<ui::PictureBox>(name).Cls();
    for (int m = 1; m <= 12; ++m) Month(form, m).Cls();
}

// What one month picture holds, for drawing it straight over the window's image.
struct Recorded {
    std::vector<ui::DrawOp> operations;
    QRect inside; // in the window's coordinates
    float scaleWidth, scaleHeight;
};

class Window {
public:
    Window() {
        form.show();
        QElapsedTimer waited;
        waited.start();
        while (!(form.windowHandle() && form.windowHandle()->isExposed()) &&
               waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        Settle();
        image = QImage(form.size() * form.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(form.devicePixelRatio());
    }

    FormStart form;
    QImage image;
};

std::unique_ptr<Window> window;

// Counts instructions of what runs between the two calls when run under callgrind.
struct Counted {
    Counted() { CALLGRIND_TOGGLE_COLLECT; }
    ~Counted() { CALLGRIND_TOGGLE_COLLECT; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
};

// Before a measured refresh the pictures hold what the last refresh drew, as they do when a user
// acts, and the degrees differ from those it drew; before a measured render they hold nothing.
void Refresh(benchmark::State& state, const View& view, bool same) {
    FormStart& form = window->form;
    view.show(form);
    const bool valid = std::strcmp(view.name, "reminder") != 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.Form_Resize();
        if (!same) Degrees(form).setText(NextDegrees(valid));
        Settle();
        state.ResumeTiming();
        Counted counted;
        form.Form_Resize();
        form.render(&window->image);
    }
}

void Empty(benchmark::State& state, const View& view, bool straight) {
    FormStart& form = window->form;
    view.show(form);
    Settle();
    // The first render also sends the resize notices that the view's controls were owed while
    // hidden: the renders measured are the steady ones.
    form.render(&window->image);
    std::vector<Recorded> months;
    if (straight)
        for (int m = 1; m <= 12; ++m) {
            const ui::PictureBox& picture = Month(form, m);
            months.push_back({picture.operations(),
                              picture.contentsRect().translated(picture.mapTo(&form, QPoint())),
                              picture.ScaleWidth(), picture.ScaleHeight()});
        }
    for (auto _ : state) {
        state.PauseTiming();
        EmptyPictures(form);
        Settle();
        state.ResumeTiming();
        Counted counted;
        form.render(&window->image);
        if (straight) {
            QPainter painter(&window->image);
            for (const Recorded& month : months)
                bench::DrawStraight(painter, month.operations, month.inside, month.scaleWidth,
                                    month.scaleHeight);
        }
    }
}

// A user's action: what comes before it (not measured) and the action itself, which the toolkit's
// repaint follows. Both take the count of actions done so far.
struct Action {
    std::string name;
    std::function<void(FormStart&, int)> before;
    std::function<void(FormStart&, int)> act;
};

void Act(benchmark::State& state, const Action& action) {
    FormStart& form = window->form;
    int done = 0;
    for (auto _ : state) {
        state.PauseTiming();
        action.before(form, done);
        Settle();
        state.ResumeTiming();
        {
            Counted counted;
            action.act(form, done);
            Settle();
        }
        ++done;
    }
}

std::vector<Action> Actions() {
    auto click = [](const char* button) {
        return [button](FormStart& form, int) { Button(form, button).click(); };
    };
    // Other degrees than last time, and the view shown with them.
    auto shown = [](const char* button, bool valid = true) {
        return [button, valid](FormStart& form, int) {
            Degrees(form).setText(NextDegrees(valid));
            Button(form, button).click();
        };
    };
    std::vector<Action> actions = {
        {"repeat/diagram", shown("CommandDiagram"), click("CommandDiagram")},
        {"repeat/table", shown("CommandMatrix"), click("CommandMatrix")},
        {"repeat/reminder", shown("CommandDiagram", false), click("CommandDiagram")},
        {"repeat/zone", shown("CommandDiagram"),
         [](FormStart& form, int) {
             ui::ComboBox& zone = List(form, "ComboZW");
             Pick(zone, zone.currentIndex());
         }},
        {"month",
         [](FormStart& form, int done) {
             if (done == 0) Button(form, "CommandMatrix").click();
         },
         [](FormStart& form, int) {
             ui::ComboBox& month = List(form, "ComboMonth");
             Pick(month, (month.currentIndex() + 1) % month.count());
         }},
        {"switch/table", shown("CommandDiagram"), click("CommandMatrix")},
        {"switch/diagram", shown("CommandMatrix"), click("CommandDiagram")},
        {"copy/diagram", shown("CommandDiagram"),
         [](FormStart& form, int) { form.viewArea().copyShownView(); }},
    };
    // A calendar year: choosing one (a new year each time, so that its Sun is computed), and,
    // once chosen, what the actions above cost in it.
    actions.push_back({"year/choose", shown("CommandDiagram"), [](FormStart& form, int done) {
                           form.viewArea().chooseYear(2000 + done % 2);
                       }});
    for (const char* view : {"diagram", "table"}) {
        const char* button = std::strcmp(view, "diagram") == 0 ? "CommandDiagram" : "CommandMatrix";
        const char* other = std::strcmp(view, "diagram") == 0 ? "CommandMatrix" : "CommandDiagram";
        actions.push_back({std::string("year/longitude/") + view,
                           [button](FormStart& form, int done) {
                               if (done == 0) form.viewArea().chooseYear(2027);
                               if (done == 0) Button(form, button).click();
                           },
                           [button](FormStart& form, int) {
                               Degrees(form).setText(NextDegrees(true));
                               Button(form, button).click();
                           }});
        actions.push_back({std::string("year/switch/") + view,
                           [other](FormStart& form, int done) {
                               if (done == 0) form.viewArea().chooseYear(2027);
                               Button(form, other).click();
                           },
                           click(button)});
    }
    // The next zone picked, diagram on show, in the standard year and in a calendar year.
    auto nextZone = [](FormStart& form, int) {
        ui::ComboBox& zone = List(form, "ComboZW");
        Pick(zone, (zone.currentIndex() + 1) % zone.count());
    };
    actions.push_back({"year/zone",
                       [shown](FormStart& form, int done) {
                           if (done == 0) form.viewArea().chooseYear(2027);
                           shown("CommandDiagram")(form, done);
                       },
                       nextZone});
    actions.push_back({"zone", shown("CommandDiagram"), nextZone});
    for (const char* view : {"diagram", "table"}) {
        const char* button = std::strcmp(view, "diagram") == 0 ? "CommandDiagram" : "CommandMatrix";
        actions.push_back({std::string("longitude/") + view,
                           [button](FormStart& form, int done) {
                               if (done == 0) Button(form, button).click();
                           },
                           [button](FormStart& form, int) {
                               Degrees(form).setText(NextDegrees(true));
                               Button(form, button).click();
                           }});
        actions.push_back({std::string("restore/") + view,
                           [button](FormStart& form, int) {
                               Degrees(form).setText(NextDegrees(true));
                               Button(form, button).click();
                               Settle();
                               form.showMinimized();
                           },
                           [](FormStart& form, int) { form.showNormal(); }});
    }
    return actions;
}

int refreshes = 10000;

// Each refresh is one user action, the three views in turn, and the repaint that follows.
void Memory(benchmark::State& state) {
    FormStart& form = window->form;
    auto act = [&](int i) {
        Views[i % 3].show(form);
        Settle();
    };
    for (auto _ : state) {
        int done = 0;
        for (; done < 10; ++done) act(done);
        state.counters["resident_10_kB"] = static_cast<double>(bench::ResidentKb());
        state.counters["heap_10_kB"] = static_cast<double>(mallinfo2().uordblks) / 1024;
        for (; done < refreshes; ++done) act(done);
        state.counters["resident_n_kB"] = static_cast<double>(bench::ResidentKb());
        state.counters["heap_n_kB"] = static_cast<double>(mallinfo2().uordblks) / 1024;
        state.counters["refreshes"] = refreshes;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::startUp();

    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--refreshes=", 12) == 0) refreshes = std::atoi(argv[i] + 12);

    // Under callgrind every step is slow and counts the same each time: a few suffice.
    const bool counting = RUNNING_ON_VALGRIND;
    auto add = [&](const std::string& name, auto&& function) {
        benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name.c_str(), function);
        b->Unit(benchmark::kMillisecond);
        if (counting) b->Iterations(3);
    };
    for (const View& view : Views) {
        add(std::string("refresh/") + view.name,
            [&view](benchmark::State& state) { Refresh(state, view, false); });
        add(std::string("refresh-same/") + view.name,
            [&view](benchmark::State& state) { Refresh(state, view, true); });
        add(std::string("empty/") + view.name,
            [&view](benchmark::State& state) { Empty(state, view, false); });
    }
    add("straight/diagram", [](benchmark::State& state) { Empty(state, Views[0], true); });
    static const std::vector<Action> actions = Actions();
    for (const Action& action : actions)
        add(action.name, [&action](benchmark::State& state) { Act(state, action); });
    benchmark::RegisterBenchmark("memory", Memory)->Iterations(1)->Unit(benchmark::kSecond);

    Delivered events;
    delivered = &events;
    application.installEventFilter(&events);
    window = std::make_unique<Window>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}
