// Start-up against the floor: from process start to the first painted frame, alternating runs
// of the two programs. Wall time and peak resident memory come from plain runs, instructions
// from runs under callgrind (steady however busy the machine is).
//
// exisosi-bench-startup LABEL RUNS CALLGRIND_RUNS PROGRAM FLOOR
// Both programs must report their first frame as bench::QuitOnFirstFrame does. The platform is
// whatever the environment selects (QT_QPA_PLATFORM, DISPLAY).

#include "bench/process.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Figures {
    std::vector<double> wallMs, peakKb, instructions;
    int failures = 0;
};

void RunPlain(const std::string& program, Figures& figures) {
    const bench::Finished run = bench::Run({program}, 60);
    const auto frame = bench::Field(run.output, "frame_ns");
    const auto peak = bench::Field(run.output, "hwm_kb");
    if (!run.ok || !frame || !peak) {
        ++figures.failures;
        return;
    }
    figures.wallMs.push_back(static_cast<double>(*frame - run.startedNs) / 1e6);
    figures.peakKb.push_back(static_cast<double>(*peak));
}

void RunCallgrind(const std::string& program, Figures& figures) {
    const std::string folder = bench::MakeFolder();
    const bench::Finished run = bench::Run(
        {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + folder + "/cg.out", program},
        120);
    const std::vector<bench::ProfilePart> parts = bench::ReadProfiles(folder);
    bench::RemoveFolder(folder);
    if (!run.ok || !bench::Field(run.output, "frame_ns") || parts.empty()) {
        ++figures.failures;
        return;
    }
    figures.instructions.push_back(static_cast<double>(parts.back().instructions));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s LABEL RUNS CALLGRIND_RUNS PROGRAM FLOOR\n", argv[0]);
        return 2;
    }
    const std::string label = argv[1];
    const int runs = std::atoi(argv[2]);
    const int callgrindRuns = std::atoi(argv[3]);
    const std::string program = argv[4], floor = argv[5];

    Figures mine, bare;
    // One of each first, not counted: it fills the file cache for both alike.
    Figures warm;
    RunPlain(program, warm);
    RunPlain(floor, warm);
    for (int i = 0; i < runs; ++i) {
        RunPlain(program, mine);
        RunPlain(floor, bare);
    }
    for (int i = 0; i < callgrindRuns; ++i) {
        RunCallgrind(program, mine);
        RunCallgrind(floor, bare);
    }
    if (mine.failures || bare.failures)
        std::fprintf(stderr, "%s: %d runs of the program and %d of the floor failed\n",
                     label.c_str(), mine.failures, bare.failures);

    const std::string n = std::to_string(mine.wallMs.size());
    const double wall = bench::Median(mine.wallMs), wallFloor = bench::Median(bare.wallMs);
    bench::PrintRow("start-up, " + label + ": wall to first frame, median of " + n + " (ms)",
                    bench::Fixed(wall, 1), bench::Fixed(wallFloor, 1),
                    wallFloor > 0 ? wall / wallFloor : 0, "");
    const double peak = bench::Median(mine.peakKb), peakFloor = bench::Median(bare.peakKb);
    bench::PrintRow("start-up, " + label + ": peak resident at first frame (MB)",
                    bench::Fixed(peak / 1024, 1), bench::Fixed(peakFloor / 1024, 1),
                    peakFloor > 0 ? peak / peakFloor : 0, "≤ 1.10×");
    if (callgrindRuns > 0) {
        const double ir = bench::Median(mine.instructions);
        const double irFloor = bench::Median(bare.instructions);
        bench::PrintRow("start-up, " + label + ": instructions to first frame (millions)",
                        bench::Fixed(ir / 1e6, 1), bench::Fixed(irFloor / 1e6, 1),
                        irFloor > 0 ? ir / irFloor : 0, "≤ 1.10×");
    }
    return mine.failures || bare.failures ? 1 : 0;
}
