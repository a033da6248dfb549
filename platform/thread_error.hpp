#pragma once

namespace pelcon::platform {

// The calling thread's system error value: errno on POSIX, the last-error value on Windows.
void SetThreadError(int error);
int ThreadError();

}  // namespace pelcon::platform
