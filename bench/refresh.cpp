// The refresh against rendering alone, and the memory of many refreshes, with Google Benchmark,
// in one process that builds the window itself on the current platform (the script runs it
// offscreen). Each view (diagram, table, reminder) has three benchmarks:
//   refresh/<view>    one Form_Resize followed by a render of the whole window;
//   empty/<view>      a render of the same window with nothing recorded in its pictures;
//   straight/diagram  that empty render, then the operations the refresh recorded drawn straight
//                     with QPainter over it (bench/straight.h).
// memory             resident memory and heap in use after 10 and after --refreshes=N refreshes
//                    (10000), the three views in turn, as counters.
// Under callgrind (valgrind --tool=callgrind --collect-atstart=no) only the measured steps are
// counted, and each benchmark runs a fixed number of iterations, so the instructions collected
// divided by the iterations reported are the instructions of one step.

#include "app/formstart.h"
#include "bench/firstframe.h"
#include "bench/straight.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstring>
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

void Settle() {
    QCoreApplication::processEvents();
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
// acts; before a measured render they hold nothing.
void Refresh(benchmark::State& state, const View& view) {
    FormStart& form = window->form;
    view.show(form);
    for (auto _ : state) {
        state.PauseTiming();
        form.Form_Resize();
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
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::InstallFontSubstitution();

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
            [&view](benchmark::State& state) { Refresh(state, view); });
        add(std::string("empty/") + view.name,
            [&view](benchmark::State& state) { Empty(state, view, false); });
    }
    add("straight/diagram", [](benchmark::State& state) { Empty(state, Views[0], true); });
    benchmark::RegisterBenchmark("memory", Memory)->Iterations(1)->Unit(benchmark::kSecond);

    window = std::make_unique<Window>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}
