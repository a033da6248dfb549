#include "platform/staged_output.hpp"

#include <utility>

namespace pelcon::platform {

StagedOutput::StagedOutput(std::intptr_t handle, std::string target, std::string stagingPath)
    : handle_(handle), target_(std::move(target)), stagingPath_(std::move(stagingPath)) {}

StagedOutput::StagedOutput(StagedOutput&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)),
      target_(std::move(other.target_)),
      stagingPath_(std::move(other.stagingPath_)),
      error_(other.error_) {}

StagedOutput& StagedOutput::operator=(StagedOutput&& other) noexcept {
  if (this != &other) {
    Discard();
    handle_ = std::exchange(other.handle_, -1);
    target_ = std::move(other.target_);
    stagingPath_ = std::move(other.stagingPath_);
    error_ = other.error_;
  }
  return *this;
}

StagedOutput::~StagedOutput() {
  Discard();
}

}  // namespace pelcon::platform
