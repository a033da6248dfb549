#include "component/server/module_lock.hpp"

#include <atomic>

namespace pelcon {
namespace {

std::atomic<long> lockCount{0};

}  // namespace

void LockModule() {
  lockCount.fetch_add(1);
}
void UnlockModule() {
  lockCount.fetch_sub(1);
}
long ModuleLockCount() {
  return lockCount.load();
}

}  // namespace pelcon
