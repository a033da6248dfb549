// Converts whole builder-made log files with a template of all 54 columns and prints records per
// second, cells per second and the peak memory of the conversion. Each conversion runs in a
// child process of its own, so that its peak memory is not mixed with the builder's.
//
//   convert_benchmark [directory]          a Vorta file of 100,000 records, a Lodax file of
//                                          1,000,000 records, and two smaller sizes of each
//   convert_benchmark --convert <log file> <template>     one conversion (used by the above)
//   convert_benchmark --profile-input <directory>         writes a Vorta file of 20,000 records
//                                          and the template, and keeps them: the input to run
//                                          --convert under a profiler

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "component/column_name_table.hpp"
#include "component/conversion_driver.hpp"
#include "datalib/number_text.hpp"
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

std::string AllColumnsTemplate() {
  std::string text = ",\n-----\n";
  for (const pelcon::ColumnName& column : pelcon::ColumnNameTable()) {
    text.append(column.displayName).push_back('\n');
  }
  return text +
         "Header General Info Enabled\nHeader Device Info Enabled\n"
         "Header Test Info Enabled\nHeader Test Def Enabled\n";
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
bool Measure(const char* self, const std::string& logPath, const std::string& templatePath,
             Measurement& out) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::string convert = "--convert";
  std::vector<char*> argv{const_cast<char*>(self), convert.data(),
                          const_cast<char*>(logPath.c_str()),
                          const_cast<char*>(templatePath.c_str()), nullptr};
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

bool Run(const char* self, const std::filesystem::path& directory, const std::string& name,
         const LogFileDescription& description, const std::string& templatePath) {
  const std::string logPath = (directory / (name + ".bin")).string();
  if (!pelcon::test_support::WriteFile(logPath, pelcon::test_support::Build(description))) {
    std::fprintf(stderr, "cannot write %s\n", logPath.c_str());
    return false;
  }
  Measurement m;
  if (!Measure(self, logPath, templatePath, m)) {
    std::fprintf(stderr, "the conversion of %s failed\n", logPath.c_str());
    return false;
  }
  const double records = static_cast<double>(description.records.size());
  const double cells = records * static_cast<double>(pelcon::ColumnNameTable().size());
  const auto logBytes = std::filesystem::file_size(logPath);
  const auto csvBytes = std::filesystem::file_size(logPath + ".csv");
  // Rates per CPU second of the child: on a shared machine the wall time counts the waits too.
  std::printf(
      "%-14s %8.0f records %7.2f s wall %7.2f s cpu %9.0f records/s %10.0f cells/s %7.1f MB peak "
      "(log %.1f MB, csv %.1f MB)\n",
      name.c_str(), records, m.seconds, m.cpuSeconds, records / m.cpuSeconds, cells / m.cpuSeconds,
      static_cast<double>(m.peakKilobytes) / 1024.0, static_cast<double>(logBytes) / 1048576.0,
      static_cast<double>(csvBytes) / 1048576.0);
  std::fflush(stdout);
  std::filesystem::remove(logPath);
  std::filesystem::remove(logPath + ".csv");
  return true;
}

bool WriteProfileInput(const std::filesystem::path& directory, const std::string& templatePath) {
  const std::string logPath = (directory / "vorta_20000.bin").string();
  if (!pelcon::test_support::WriteFile(logPath, pelcon::test_support::Build(Vorta(20000)))) {
    std::fprintf(stderr, "cannot write %s\n", logPath.c_str());
    return false;
  }
  std::printf("convert_benchmark --convert %s %s\n", logPath.c_str(), templatePath.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--convert") return ConvertOnce(argv[2], argv[3]);
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
  const std::string templatePath = (directory / "convert_benchmark.bft").string();
  std::ofstream(templatePath, std::ios::binary) << AllColumnsTemplate();
  if (profileInput) return WriteProfileInput(directory, templatePath) ? 0 : 1;

  std::printf("all %zu columns, every header section\n", pelcon::ColumnNameTable().size());
  bool good = true;
  for (int records : {10000, 100000}) {
    good = good && Run(self.c_str(), directory, "vorta_" + std::to_string(records), Vorta(records),
                       templatePath);
  }
  for (int records : {100000, 1000000}) {
    good = good && Run(self.c_str(), directory, "lodax_" + std::to_string(records), Lodax(records),
                       templatePath);
  }
  std::filesystem::remove(templatePath);
  return good ? 0 : 1;
}
