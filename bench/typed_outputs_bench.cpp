// Time and peak memory of `pelcon convert` writing one level-logger file of 1,000,000 records
// as CSV, as a workbook and as a NetCDF file. Wall-clock time of the whole program.
//
//   typed_outputs_bench [RECORDS]

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/pelcon_run.hpp"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const int records = argc > 1 ? std::atoi(argv[1]) : 1000000;
  const fs::path work =
      fs::temp_directory_path() / ("pelcon-typed-bench-" + std::to_string(::getpid()));
  fs::create_directories(work);
  const std::string input = (work / "well.bin").string();
  if (!pelcon::bench::WriteLevelLogger(input, records)) {
    std::fprintf(stderr, "cannot write %s\n", input.c_str());
    return 1;
  }

  std::printf("one file of %d records, every column it can supply\n", records);
  std::printf("| format | seconds | peak memory (MB) | output (MB) |\n|---|---|---|---|\n");
  int failures = 0;
  for (const std::string format : {"csv", "xlsx", "netcdf"}) {
    const auto start = std::chrono::steady_clock::now();
    const pelcon::bench::PelconRun run =
        pelcon::bench::RunPelcon({"convert", "--quiet", "--format", format, input});
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (run.exitCode != 0) {
      std::fprintf(stderr, "pelcon convert --format %s exited with %d\n", format.c_str(),
                   run.exitCode);
      ++failures;
      continue;
    }
    const std::string output = input + (format == "csv"    ? ".csv"
                                        : format == "xlsx" ? ".xlsx"
                                                           : ".nc");
    std::error_code error;
    const auto size = fs::file_size(output, error);
    std::printf("| %s | %.1f | %.0f | %.0f |\n", format.c_str(), seconds,
                run.peakKilobytes / 1024.0, error ? 0.0 : size / 1e6);
    std::fflush(stdout);
  }
  fs::remove_all(work);
  return failures == 0 ? 0 : 1;
}
