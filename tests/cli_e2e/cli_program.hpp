#pragma once

// Runs the built pelcon program with a subcommand as a script does, in a scratch folder with its
// own registry file and a fixed clock.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/log_file_builder.hpp"

namespace pelcon::cli_e2e {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos;) {
    lines.push_back(text.substr(start, end - start));
    if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
    start = end + 1;
  }
  return lines;
}

// A Lodax level logger of count records (one a minute from 2009-03-15 14:30:00); record k reads
// 10000 + k (pressure: that / 1000 psi) and a board temperature of 21.50 C.
inline test_support::LogFileDescription LevelLogger(std::size_t count) {
  test_support::LogFileDescription d = test_support::LodaxDescription();
  d.records.clear();
  for (std::size_t k = 0; k < count; ++k) {
    d.records.push_back({2150, static_cast<std::uint16_t>(10000 + k % 50000)});
  }
  return d;
}

class CliProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() /
                 ("pelcon-cli-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(directory_);
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }

  fs::path Path(const std::string& name) const { return directory_ / name; }

  void WriteLog(const fs::path& path, const test_support::LogFileDescription& description) {
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(test_support::WriteFile(path.string(), test_support::Build(description)));
  }

  // Starts the program; its output goes to files in the scratch folder.
  pid_t Start(const std::vector<std::string>& arguments) {
    const pid_t child = ::fork();
    if (child == 0) {
      const int out = ::open(Path("stdout.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int err = ::open(Path("stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      ::dup2(out, 1);
      ::dup2(err, 2);
      if (::chdir(directory_.c_str()) != 0) ::_exit(126);
      ::setenv("PELCON_REGISTRY", Path("registry.reg").c_str(), 1);
      ::setenv("PELCON_NOW", "2024-05-06 07:08:09", 1);
      std::vector<char*> argv{const_cast<char*>(PELCON_PROGRAM)};
      for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
      }
      argv.push_back(nullptr);
      ::execv(PELCON_PROGRAM, argv.data());
      ::_exit(127);
    }
    return child;
  }

  Outcome Finish(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(Path("stdout.txt")),
            Slurp(Path("stderr.txt"))};
  }

  Outcome Run(const std::vector<std::string>& arguments) { return Finish(Start(arguments)); }

  fs::path directory_;
};

}  // namespace pelcon::cli_e2e
