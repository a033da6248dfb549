#pragma once

#include <mutex>

namespace pelcon {

// Shared by the batch dialog, which sets it, and the conversion driver, which polls it once per
// record from the worker thread.
class CancelFlag {
 public:
  void Set(bool cancelRequested) {
    std::lock_guard lock(mutex_);
    cancelRequested_ = cancelRequested;
  }
  bool IsSet() const {
    std::lock_guard lock(mutex_);
    return cancelRequested_;
  }

 private:
  mutable std::mutex mutex_;
  bool cancelRequested_ = false;
};

}  // namespace pelcon
