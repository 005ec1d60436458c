#pragma once
// Running a program to its end and reading what it says, for the benchmark drivers: standard
// library and POSIX only, so the drivers measure the programs and not themselves.

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Finished {
    long long startedNs = 0; // CLOCK_MONOTONIC just before the program was started
    std::string output;      // its standard output
    bool ok = false;         // ended by itself, with status 0, within the time allowed
};

// Runs `argv` with `extraEnvironment` ("NAME=value") added, standard error discarded, and
// kills it when it has not ended after `seconds`.
Finished Run(const std::vector<std::string>& argv, int seconds,
             const std::vector<std::string>& extraEnvironment = {});

// The value after "key=" in `text`, or nothing.
std::optional<long long> Field(const std::string& text, const std::string& key);

// One part of a callgrind profile: what triggered its dump and the instructions it counted.
struct ProfilePart {
    std::string trigger; // "Client Request: <name>" for a dump asked for by the program
    long long instructions = 0;
};

// Every profile that callgrind wrote into `directory` as "cg.out" (and "cg.out.N" for the dumps
// the program asked for), in the order they were written.
std::vector<ProfilePart> ReadProfiles(const std::string& directory);

// A fresh folder under the system's temporary folder, removed with RemoveFolder.
std::string MakeFolder();
void RemoveFolder(const std::string& folder);

double Median(std::vector<double> values);

// One row of the benchmark table: what, the program's figure, the floor's, their ratio, the goal.
void PrintRow(const std::string& what, const std::string& program, const std::string& floor,
              double ratio, const std::string& goal);
std::string Fixed(double value, int decimals);

} // namespace bench
