#include "platform/staged_path_output.hpp"

#include <utility>

namespace pelcon::platform {

StagedPathOutput::StagedPathOutput(StagedPathOutput&& other) noexcept
    : target_(std::move(other.target_)),
      folder_(std::exchange(other.folder_, {})),
      path_(std::move(other.path_)),
      error_(other.error_) {}

StagedPathOutput::~StagedPathOutput() {
  Remove();
}

}  // namespace pelcon::platform
