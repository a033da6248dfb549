#include "cli/progress_line.hpp"

#include <cstdio>

namespace pelcon::cli {

ProgressLine::ProgressLine(std::size_t totalFiles)
    : totalFiles_(totalFiles), start_(std::chrono::steady_clock::now()) {}

std::string ProgressLine::Text() const {
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const std::size_t files = files_.load(std::memory_order_relaxed);
  const std::size_t records = records_.load(std::memory_order_relaxed);
  std::string text = std::to_string(files) + "/" + std::to_string(totalFiles_) + " files";
  if (seconds > 0.5) {
    text += ", " + std::to_string(static_cast<long long>(records / seconds)) + " records/s";
  }
  if (files > 0 && files < totalFiles_) {
    const auto left = static_cast<long long>(seconds * static_cast<double>(totalFiles_ - files) /
                                             static_cast<double>(files));
    char time[32];
    std::snprintf(time, sizeof time, ", %lld:%02lld left", left / 60, left % 60);
    text += time;
  }
  return text;
}

void ProgressLine::Draw() const {
  // Carriage return, the line, then erase what a longer line before it left.
  std::fprintf(stderr, "\r%s\x1b[K", Text().c_str());
  std::fflush(stderr);
}

void ProgressLine::Erase() const {
  std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
}

}  // namespace pelcon::cli
