// The refresh against rendering alone, and the memory of many refreshes, in one process that
// builds the window itself on the current platform (the script runs it offscreen).
//
// exisosi-bench-refresh [ROUNDS]      wall time: one Form_Resize followed by rendering the whole
//                                      window, against rendering it with every picture empty,
//                                      alternating, for the diagram, the table and the reminder
// exisosi-bench-refresh --callgrind   the same once each under callgrind, in instructions
// exisosi-bench-refresh --memory [N]   resident memory and heap in use after 10 and N refreshes

#include "app/formstart.h"
#include "bench/firstframe.h"
#include "bench/process.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStyleFactory>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <string>
#include <unistd.h>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define EXISOSI_HAVE_CALLGRIND 1
#endif

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

// Leaves nothing recorded in any picture of the window.
void EmptyPictures(FormStart& form) {
    for (const char* name : {"PictureDiagram", "PictureMatrix", "PictureError"})
        form.controls().get<ui::PictureBox>(name).Cls();
    for (int m = 1; m <= 12; ++m)
        form.controls().get<ui::PictureBox>(QStringLiteral("PictureM%1").arg(m)).Cls();
}

struct Window {
    FormStart form;
    QImage image;
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
    // The two things compared: a refresh with its render, and the render of empty pictures.
    void refreshAndRender() {
        form.Form_Resize();
        form.render(&image);
    }
    void render() { form.render(&image); }
    // Before a measured refresh: the pictures hold what the last refresh drew, as they do when
    // a user acts. Before a measured render: they hold nothing.
    void prepareRefresh() {
        form.Form_Resize();
        Settle();
    }
    void prepareEmpty() {
        EmptyPictures(form);
        Settle();
    }
};

int Timing(int rounds) {
    Window window;
    for (const View& view : Views) {
        view.show(window.form);
        window.prepareRefresh();
        window.refreshAndRender(); // warm caches for both alike
        window.prepareEmpty();
        window.render();
        std::vector<double> refresh, empty;
        QElapsedTimer timer;
        for (int i = 0; i < rounds; ++i) {
            window.prepareRefresh();
            timer.start();
            window.refreshAndRender();
            refresh.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            window.prepareEmpty();
            timer.start();
            window.render();
            empty.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        const double a = bench::Median(refresh), b = bench::Median(empty);
        bench::PrintRow(std::string("refresh, ") + view.name +
                            ": Form_Resize + render vs render of empty pictures, median of " +
                            std::to_string(rounds) + " (ms)",
                        bench::Fixed(a, 2), bench::Fixed(b, 2), b > 0 ? a / b : 0, "≤ 1.25×");
    }
    return 0;
}

// Under callgrind: each measured step once, each dumped as its own part of the profile.
int Sections() {
#ifdef EXISOSI_HAVE_CALLGRIND
    Window window;
    for (const View& view : Views) {
        // Callgrind reads a dump's name after the request returns: keep both names alive.
        const std::string refreshName = std::string(view.name) + " refresh";
        const std::string emptyName = std::string(view.name) + " empty";
        view.show(window.form);
        window.prepareRefresh();
        window.refreshAndRender();
        window.prepareRefresh();
        CALLGRIND_ZERO_STATS;
        window.refreshAndRender();
        CALLGRIND_DUMP_STATS_AT(refreshName.c_str());
        window.prepareEmpty();
        window.render();
        window.prepareEmpty();
        CALLGRIND_ZERO_STATS;
        window.render();
        CALLGRIND_DUMP_STATS_AT(emptyName.c_str());
    }
    return 0;
#else
    std::fprintf(stderr, "built without valgrind/callgrind.h\n");
    return 1;
#endif
}

int Callgrind() {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return 1;
    self[length] = 0;
    const std::string folder = bench::MakeFolder();
    const bench::Finished run =
        bench::Run({"valgrind", "--tool=callgrind", "--callgrind-out-file=" + folder + "/cg.out",
                    self, "--sections"},
                   300);
    const std::vector<bench::ProfilePart> parts = bench::ReadProfiles(folder);
    bench::RemoveFolder(folder);
    if (!run.ok) {
        std::fprintf(stderr, "the callgrind run of the refresh failed\n");
        return 1;
    }
    auto count = [&](const std::string& name) -> double {
        for (const bench::ProfilePart& part : parts)
            if (part.trigger == "Client Request: " + name)
                return static_cast<double>(part.instructions);
        return 0;
    };
    for (const View& view : Views) {
        const std::string name = view.name;
        const double a = count(name + " refresh"), b = count(name + " empty");
        bench::PrintRow("refresh, " + name +
                            ": Form_Resize + render vs render of empty pictures (instructions, "
                            "millions)",
                        bench::Fixed(a / 1e6, 2), bench::Fixed(b / 1e6, 2), b > 0 ? a / b : 0,
                        "≤ 1.25×");
    }
    return 0;
}

int Memory(int refreshes) {
    Window window;
    // Each refresh is one user action, the three views in turn, and the repaint that follows.
    auto act = [&](int i) {
        Views[i % 3].show(window.form);
        Settle();
    };
    int done = 0;
    for (; done < 10; ++done) act(done);
    const double rss10 = static_cast<double>(bench::ResidentKb());
    const double heap10 = static_cast<double>(mallinfo2().uordblks);
    for (; done < refreshes; ++done) act(done);
    const double rss = static_cast<double>(bench::ResidentKb());
    const double heap = static_cast<double>(mallinfo2().uordblks);
    const std::string n = std::to_string(refreshes);
    bench::PrintRow("memory: resident after " + n + " refreshes vs after 10 (MB)",
                    bench::Fixed(rss / 1024, 2), bench::Fixed(rss10 / 1024, 2), rss / rss10,
                    "no growth");
    bench::PrintRow("memory: heap in use after " + n + " refreshes vs after 10 (kB)",
                    bench::Fixed(heap / 1024, 1), bench::Fixed(heap10 / 1024, 1), heap / heap10,
                    "no growth");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--callgrind") return Callgrind();

    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::InstallFontSubstitution();
    if (mode == "--sections") return Sections();
    if (mode == "--memory") return Memory(argc > 2 ? std::atoi(argv[2]) : 10000);
    return Timing(argc > 1 ? std::atoi(argv[1]) : 60);
}
