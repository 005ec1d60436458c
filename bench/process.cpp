#include "bench/process.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace

Finished Run(const std::vector<std::string>& argv, int seconds,
             const std::vector<std::string>& extraEnvironment) {
    Finished finished;
    std::vector<std::string> environment(extraEnvironment);
    for (char** e = environ; *e; ++e) environment.emplace_back(*e);
    std::vector<char*> args, env;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (const std::string& e : environment) env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return finished;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    finished.startedNs = MonotonicNs();
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return finished;
    }

    const long long deadline = finished.startedNs + seconds * 1000000000LL;
    bool killed = false;
    char buffer[4096];
    for (;;) {
        const long long left = (deadline - MonotonicNs()) / 1000000;
        if (left <= 0) {
            kill(pid, SIGKILL);
            killed = true;
            break;
        }
        pollfd ready{out[0], POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(std::min(left, 1000LL)));
        if (polled < 0 && errno != EINTR) break;
        if (polled <= 0) continue;
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break; // the program closed its output: it has ended
        finished.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    finished.ok = !killed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return finished;
}

std::optional<long long> Field(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key + "=");
    if (at == std::string::npos) return std::nullopt;
    return std::strtoll(text.c_str() + at + key.size() + 1, nullptr, 10);
}

std::vector<ProfilePart> ReadProfiles(const std::string& directory) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(directory.c_str())) {
        while (dirent* entry = readdir(dir))
            if (std::string(entry->d_name).rfind("cg.out", 0) == 0)
                names.emplace_back(entry->d_name);
        closedir(dir);
    }
    // cg.out.1, cg.out.2, ... in dump order; the final dump at exit is cg.out itself.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        auto part = [](const std::string& name) {
            return name.size() > 7 ? std::atoi(name.c_str() + 7) : 1 << 30;
        };
        return part(a) < part(b);
    });
    std::vector<ProfilePart> parts;
    for (const std::string& name : names) {
        std::ifstream file(directory + "/" + name);
        ProfilePart part;
        std::string line;
        while (std::getline(file, line)) {
            if (line.rfind("desc: Trigger: ", 0) == 0) part.trigger = line.substr(15);
            if (line.rfind("summary: ", 0) == 0 || line.rfind("totals: ", 0) == 0)
                part.instructions = std::strtoll(line.c_str() + line.find(' ') + 1, nullptr, 10);
        }
        parts.push_back(part);
    }
    return parts;
}

std::string MakeFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/exisosi-bench.XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

void RemoveFolder(const std::string& folder) {
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") unlink((folder + "/" + name).c_str());
        }
        closedir(dir);
    }
    rmdir(folder.c_str());
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void PrintRow(const std::string& what, const std::string& program, const std::string& floor,
              double ratio, const std::string& goal) {
    std::printf("| %s | %s | %s | %s× | %s |\n", what.c_str(), program.c_str(), floor.c_str(),
                Fixed(ratio, 3).c_str(), goal.c_str());
    std::fflush(stdout);
}

} // namespace bench
