// Converts whole builder-made log files and prints, in one run on one machine: the time and the
// cell rate of each conversion, its peak memory, and the time of a bare baseline that formats the
// same number of cells with snprintf("%.3f") into a buffer and writes it (the practical limit).
// Each conversion and each baseline runs in a child process of its own, so that its peak memory
// is not mixed with the builder's. PELCON_THREADS sets the workers of a conversion.
//
//   convert_benchmark [directory]          a Vorta sonde of 100,000 records with all 54 columns
//                                          on one worker and on all, and a Lodax level logger of
//                                          1,000,000 records with all columns and with four
//   convert_benchmark --convert <log file> <template>     one conversion (used by the above)
//   convert_benchmark --baseline <cells> <columns> <csv>   the baseline (used by the above)
//   convert_benchmark --profile-input <directory>         writes a Vorta file of 20,000 records,
//                                          a Lodax file of 100,000 and the templates, and keeps
//                                          them: the input to run --convert under a profiler

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "component/conversion_driver.hpp"
#include "datalib/number_text.hpp"
#include "export/column_name_table.hpp"
#include "tests/support/log_file_builder.hpp"

extern char** environ;

namespace {

using pelcon::test_support::LogFileDescription;

std::uint16_t Wave(int i, int period, int middle, int swing) {
  return static_cast<std::uint16_t>(middle + (i % period) * swing / period);
}

// A sonde with temperature, pressure, barometer, battery and conductivity: 9 readings a record.
LogFileDescription Vorta(int records) {
  LogFileDescription d = pelcon::test_support::VortaDescription();
  d.channelCodes = {1, 2, 3, 5, 45};
  d.factoryTable[16] = 100.0f;  // temperature sensor R0, A, B
  d.factoryTable[17] = 3.9083e-3f;
  d.factoryTable[18] = -5.775e-7f;
  d.factoryTable[31] = 100.0f;
  d.factoryTable[35] = 0.0004f;
  d.factoryTable[4] = 0.0005f;      // barometer
  d.factoryTable[63 + 4] = 0.001f;  // pressure
  d.factoryTable[271 + 4] = 0.01f;  // conductivity, high range
  d.factoryTable[27 + 1] = 1.0f;
  d.pressureCompensation[4] = 1.0f;
  d.sensorPorts[3].first.pairs[1].slope = 1.0f;
  d.records.clear();
  d.records.reserve(static_cast<std::size_t>(records));
  for (int i = 0; i < records; ++i) {
    d.records.push_back({Wave(i, 97, 2150, 40), Wave(i, 89, 20000, 900), Wave(i, 83, 21000, 50),
                         Wave(i, 79, 30000, 400), Wave(i, 73, 29400, 60), Wave(i, 71, 12300, 80),
                         30000, 25000, Wave(i, 67, 20000, 1500)});
  }
  return d;
}

// A level logger: board temperature and pressure, 2 readings a record.
LogFileDescription Lodax(int records) {
  LogFileDescription d = pelcon::test_support::LodaxDescription();
  d.records.clear();
  d.records.reserve(static_cast<std::size_t>(records));
  for (int i = 0; i < records; ++i) {
    d.records.push_back({Wave(i, 97, 2150, 40), Wave(i, 89, 10000, 3000)});
  }
  return d;
}

// A template of the columns with every header section.
std::string TemplateOf(const std::vector<std::string_view>& columns) {
  std::string text = ",\n-----\n";
  for (const std::string_view column : columns) text.append(column).push_back('\n');
  return text +
         "Header General Info Enabled\nHeader Device Info Enabled\n"
         "Header Test Info Enabled\nHeader Test Def Enabled\n";
}

std::vector<std::string_view> AllColumns() {
  std::vector<std::string_view> columns;
  for (const pelcon::ColumnName& column : pelcon::ColumnNameTable()) {
    columns.push_back(column.displayName);
  }
  return columns;
}

// What a level logger's user typically exports.
const std::vector<std::string_view> kLevelColumns{"Time - Time Stamp", "Level/Depth (ft)",
                                                  "Pressure (PSI)", "Temperature (C)"};

// The same number of cells as a conversion, each a reading printed with "%.3f", joined into lines
// and written in blocks of 64 KiB.
int BaselineOnce(long cells, long columns, const std::string& csvPath) {
  const auto start = std::chrono::steady_clock::now();
  std::FILE* out = std::fopen(csvPath.c_str(), "wb");
  if (out == nullptr) return 1;
  std::string buffer;
  buffer.reserve(1 << 17);
  char cell[64];
  bool good = true;
  for (long i = 0; i < cells; ++i) {
    const double value = 1000.0 * std::sin(static_cast<double>(i) * 0.001) + 0.0625 * (i % 89);
    const int length = std::snprintf(cell, sizeof cell, "%.3f", value);
    buffer.append(cell, static_cast<std::size_t>(length));
    buffer.append((i + 1) % columns == 0 ? "\r\n" : ",");
    if (buffer.size() >= (1 << 16)) {
      good = good && std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
      buffer.clear();
    }
  }
  good = good && std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
  good = std::fclose(out) == 0 && good;
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%.3f\n", seconds.count());
  return good ? 0 : 1;
}

int ConvertOnce(const std::string& logPath, std::string templatePath) {
  const auto start = std::chrono::steady_clock::now();
  const pelcon::ResultCode result = pelcon::ConvertLogFile(logPath, templatePath, nullptr, nullptr);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%s\n", pelcon::FormatFixed(seconds.count(), 3).c_str());
  return result == pelcon::kResultOk ? 0 : 1;
}

struct Measurement {
  double seconds = 0;     // wall clock, conversion only
  double cpuSeconds = 0;  // the child's user and system time, loading the program included
  long peakKilobytes = 0;
};

// Runs one conversion in a child process; its peak resident size comes from the kernel.
bool Measure(const char* self, std::vector<std::string> arguments, Measurement& out) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<char*> argv{const_cast<char*>(self)};
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return false;
  }
  char text[64] = {};
  const ssize_t length = read(pipeEnds[0], text, sizeof text - 1);
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      length <= 0) {
    return false;
  }
  out.seconds = pelcon::ReadFloating(text);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  out.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  out.peakKilobytes = usage.ru_maxrss;
  return true;
}

void Report(const std::string& name, double records, double cells, const Measurement& m,
            const Measurement& baseline) {
  // Wall time of the conversion alone, and the CPU time of the child (all its threads, loading
  // the program and the log file included): on a shared machine the wall time counts the waits
  // for the other processes too, and only the wall time shows what more workers gain.
  std::printf(
      "%-28s %8.0f records %6.2f s wall %6.2f s cpu %10.0f cells/s wall %10.0f cells/s cpu "
      "%6.1f MB peak | baseline %5.2f s wall %5.2f s cpu, ratio %.2f wall %.2f cpu\n",
      name.c_str(), records, m.seconds, m.cpuSeconds, cells / m.seconds, cells / m.cpuSeconds,
      static_cast<double>(m.peakKilobytes) / 1024.0, baseline.seconds, baseline.cpuSeconds,
      m.seconds / baseline.seconds, m.cpuSeconds / baseline.cpuSeconds);
  std::fflush(stdout);
}

// Converts the file with the template on the given number of workers ("" for all), with the
// baseline of the same number of cells.
bool Run(const char* self, const std::string& name, const std::string& logPath, double records,
         const std::string& templatePath, std::size_t columns, const char* workers) {
  if (*workers != '\0') {
    setenv("PELCON_THREADS", workers, 1);
  } else {
    unsetenv("PELCON_THREADS");
  }
  Measurement m;
  if (!Measure(self, {"--convert", logPath, templatePath}, m)) {
    std::fprintf(stderr, "the conversion of %s failed\n", logPath.c_str());
    return false;
  }
  const double cells = records * static_cast<double>(columns);
  Measurement baseline;
  const std::string baselinePath = logPath + ".baseline.csv";
  if (!Measure(self,
               {"--baseline", std::to_string(static_cast<long>(cells)), std::to_string(columns),
                baselinePath},
               baseline)) {
    std::fprintf(stderr, "the baseline failed\n");
    return false;
  }
  Report(name, records, cells, m, baseline);
  std::filesystem::remove(logPath + ".csv");
  std::filesystem::remove(baselinePath);
  return true;
}

bool WriteLog(const std::string& logPath, const LogFileDescription& description) {
  if (pelcon::test_support::WriteFile(logPath, pelcon::test_support::Build(description))) {
    return true;
  }
  std::fprintf(stderr, "cannot write %s\n", logPath.c_str());
  return false;
}

bool WriteProfileInput(const std::filesystem::path& directory, const std::string& allPath,
                       const std::string& levelPath) {
  const std::string vortaPath = (directory / "vorta_20000.bin").string();
  const std::string lodaxPath = (directory / "lodax_100000.bin").string();
  if (!WriteLog(vortaPath, Vorta(20000)) || !WriteLog(lodaxPath, Lodax(100000))) return false;
  std::printf("convert_benchmark --convert %s %s\n", vortaPath.c_str(), allPath.c_str());
  std::printf("convert_benchmark --convert %s %s\n", lodaxPath.c_str(), allPath.c_str());
  std::printf("convert_benchmark --convert %s %s\n", lodaxPath.c_str(), levelPath.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--convert") return ConvertOnce(argv[2], argv[3]);
  if (argc == 5 && std::string(argv[1]) == "--baseline") {
    return BaselineOnce(std::atol(argv[2]), std::max(1L, std::atol(argv[3])), argv[4]);
  }
  const bool profileInput = argc == 3 && std::string(argv[1]) == "--profile-input";
  if (argc > 2 && !profileInput) {
    std::fprintf(stderr,
                 "usage: convert_benchmark [directory]\n"
                 "       convert_benchmark --profile-input <directory>\n");
    return 2;
  }
  const std::filesystem::path directory =
      argc >= 2 ? std::filesystem::path(argv[argc - 1]) : std::filesystem::temp_directory_path();
  // Reproducible report lines and Event times.
  setenv("PELCON_NOW", "2024-05-06 07:08:09", 1);
  const std::string self = std::filesystem::canonical("/proc/self/exe").string();
  const std::vector<std::string_view> all = AllColumns();
  const std::string allPath = (directory / "convert_benchmark.bft").string();
  const std::string levelPath = (directory / "convert_benchmark_level.bft").string();
  std::ofstream(allPath, std::ios::binary) << TemplateOf(all);
  std::ofstream(levelPath, std::ios::binary) << TemplateOf(kLevelColumns);
  if (profileInput) return WriteProfileInput(directory, allPath, levelPath) ? 0 : 1;

  std::printf("every header section; %u hardware threads\n", std::thread::hardware_concurrency());
  bool good = true;
  const std::string vortaPath = (directory / "vorta_100000.bin").string();
  if (WriteLog(vortaPath, Vorta(100000))) {
    good = Run(self.c_str(), "sonde, 54 columns, 1 thread", vortaPath, 100000, allPath, all.size(),
               "1") &&
           Run(self.c_str(), "sonde, 54 columns, all", vortaPath, 100000, allPath, all.size(), "");
    std::filesystem::remove(vortaPath);
  } else {
    good = false;
  }
  const std::string lodaxPath = (directory / "lodax_1000000.bin").string();
  if (good && WriteLog(lodaxPath, Lodax(1000000))) {
    good =
        Run(self.c_str(), "level, 54 columns, 1 thread", lodaxPath, 1000000, allPath, all.size(),
            "1") &&
        Run(self.c_str(), "level, 54 columns, all", lodaxPath, 1000000, allPath, all.size(), "") &&
        Run(self.c_str(), "level, 4 columns, 1 thread", lodaxPath, 1000000, levelPath,
            kLevelColumns.size(), "1");
    std::filesystem::remove(lodaxPath);
  } else {
    good = false;
  }
  std::filesystem::remove(allPath);
  std::filesystem::remove(levelPath);
  return good ? 0 : 1;
}
