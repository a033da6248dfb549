// The time `pelcon plot` takes for a level-logger file of 1,000,000 records, from reading the file
// to the PNG written: the plot must be there within 2 s, which it can only be because the chart
// gets the lines thinned to two points per pixel column, never the records themselves.
// Wall-clock time of the whole program, the best of three runs, and its peak memory.
//
//   plot_bench [RECORDS]

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/pelcon_run.hpp"

namespace fs = std::filesystem;
using pelcon::bench::RunPelcon;

int main(int argc, char** argv) {
  const int records = argc > 1 ? std::atoi(argv[1]) : 1000000;
  const fs::path work =
      fs::temp_directory_path() / ("pelcon-plot-bench-" + std::to_string(::getpid()));
  fs::create_directories(work);

  const std::string log = (work / "level.bin").string();
  if (!pelcon::bench::WriteLevelLogger(log, records)) {
    std::fprintf(stderr, "cannot write %s\n", log.c_str());
    return 1;
  }

  std::printf("one level-logger file of %d records\n", records);
  std::printf("| columns | best of 3, seconds | peak MB |\n|---|---|---|\n");
  int failures = 0;
  const std::vector<std::pair<const char*, std::vector<std::string>>> runs = {
      {"Pressure (PSI)", {"--columns", "Pressure (PSI)"}}, {"all the file supplies", {}}};
  for (const auto& [name, columns] : runs) {
    double best = 1e9;
    long peak = 0;
    for (int repeat = 0; repeat < 3; ++repeat) {
      std::vector<std::string> arguments{"plot", "--quiet", "--overwrite",
                                         log,    "-o",      (work / "level.png").string()};
      arguments.insert(arguments.end(), columns.begin(), columns.end());
      const auto start = std::chrono::steady_clock::now();
      const pelcon::bench::PelconRun run = RunPelcon(arguments);
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (run.exitCode != 0) {
        std::fprintf(stderr, "pelcon plot exited with %d\n", run.exitCode);
        ++failures;
        break;
      }
      best = std::min(best, seconds);
      peak = std::max(peak, run.peakKilobytes);
    }
    std::printf("| %s | %.2f | %.0f |\n", name, best, peak / 1024.0);
  }
  fs::remove_all(work);
  return failures == 0 ? 0 : 1;
}
