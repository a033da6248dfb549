#include "bench/pelcon_run.hpp"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/log_file_builder.hpp"

namespace pelcon::bench {

PelconRun RunPelcon(const std::vector<std::string>& arguments) {
  std::fflush(stdout);  // or the child would write what is buffered a second time
  const pid_t child = ::fork();
  if (child == 0) {
    if (!std::freopen("/dev/null", "w", stdout)) ::_exit(127);
    std::vector<char*> argv{const_cast<char*>(PELCON_PROGRAM)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(PELCON_PROGRAM, argv.data());
    ::_exit(127);
  }
  PelconRun run;
  int status = 0;
  rusage usage{};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}

bool WriteLevelLogger(const std::string& path, int records) {
  test_support::LogFileDescription level = test_support::LodaxDescription();
  level.records.clear();
  for (int k = 0; k < records; ++k) {
    level.records.push_back(
        {static_cast<std::uint16_t>(2000 + k % 300), static_cast<std::uint16_t>(10000 + k % 5000)});
  }
  return test_support::WriteFile(path, test_support::Build(level));
}

}  // namespace pelcon::bench
