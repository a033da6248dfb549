// The time `pelcon convert` takes for a folder of 200 level-logger files of 20,000 records each,
// with one job and with two, in the default text format (UTF-8, ISO times, every column the file
// can supply, all header sections). Wall-clock time, since the point is the parallel run.
//
//   folder_convert_bench [FILES [RECORDS]]

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/pelcon_run.hpp"
#include "tests/support/log_file_builder.hpp"

namespace fs = std::filesystem;
using pelcon::bench::RunPelcon;

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 200;
  const int records = argc > 2 ? std::atoi(argv[2]) : 20000;
  const fs::path work =
      fs::temp_directory_path() / ("pelcon-folder-bench-" + std::to_string(::getpid()));
  fs::create_directories(work / "in");

  pelcon::test_support::LogFileDescription level = pelcon::test_support::LodaxDescription();
  level.records.clear();
  for (int k = 0; k < records; ++k) {
    level.records.push_back(
        {static_cast<std::uint16_t>(2000 + k % 300), static_cast<std::uint16_t>(10000 + k % 5000)});
  }
  const std::vector<std::uint8_t> bytes = pelcon::test_support::Build(level);
  for (int k = 0; k < files; ++k) {
    const std::string path = (work / "in" / ("well" + std::to_string(k) + ".bin")).string();
    if (!pelcon::test_support::WriteFile(path, bytes)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }

  std::printf("%d files of %d records (%.1f MB each)\n", files, records, bytes.size() / 1e6);
  std::printf("| jobs | seconds | files/s | records/s |\n|---|---|---|---|\n");
  int failures = 0;
  for (const char* jobs : {"1", "2"}) {
    const fs::path out = work / (std::string("out-") + jobs);
    const auto start = std::chrono::steady_clock::now();
    const int exitCode =
        RunPelcon({"convert", "--quiet", "-j", jobs, "-o", out.string(), (work / "in").string()})
            .exitCode;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (exitCode != 0) {
      std::fprintf(stderr, "pelcon convert -j %s exited with %d\n", jobs, exitCode);
      ++failures;
      continue;
    }
    std::printf("| %s | %.1f | %.2f | %.0f |\n", jobs, seconds, files / seconds,
                static_cast<double>(files) * records / seconds);
    std::fflush(stdout);
    fs::remove_all(out);
  }
  fs::remove_all(work);
  return failures == 0 ? 0 : 1;
}
