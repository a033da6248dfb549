#pragma once

namespace pelcon {

// Counts what keeps the component library in memory: live objects, server locks and the cached
// class factory while a client holds it.
void LockModule();
void UnlockModule();
long ModuleLockCount();

}  // namespace pelcon
