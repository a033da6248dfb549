#include "platform/output_file.hpp"

#include <utility>

namespace pelcon::platform {

OutputFile::OutputFile(std::intptr_t handle, std::string replacementTarget,
                       std::string temporaryPath)
    : handle_(handle),
      replacementTarget_(std::move(replacementTarget)),
      temporaryPath_(std::move(temporaryPath)) {
  buffer_.reserve(kBufferSize);
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)),
      buffer_(std::move(other.buffer_)),
      replacementTarget_(std::move(other.replacementTarget_)),
      temporaryPath_(std::move(other.temporaryPath_)),
      error_(other.error_) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
  if (this != &other) {
    Discard();
    handle_ = std::exchange(other.handle_, -1);
    buffer_ = std::move(other.buffer_);
    replacementTarget_ = std::move(other.replacementTarget_);
    temporaryPath_ = std::move(other.temporaryPath_);
    error_ = other.error_;
  }
  return *this;
}

OutputFile::~OutputFile() {
  Discard();
}

bool OutputFile::Write(std::string_view bytes) {
  if (error_ != 0) return false;
  if (!IsOpen()) {
    error_ = ClosedFileError();
    return false;
  }
  if (buffer_.size() + bytes.size() > kBufferSize) {
    if (!Flush()) return false;
    if (bytes.size() >= kBufferSize) return WriteThrough(bytes);
  }
  buffer_.append(bytes);
  return true;
}

bool OutputFile::Flush() {
  if (error_ != 0) return false;
  if (!IsOpen()) {
    error_ = ClosedFileError();
    return false;
  }
  const bool written = WriteThrough(buffer_);
  buffer_.clear();
  return written;
}

}  // namespace pelcon::platform
