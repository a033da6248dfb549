#pragma once

namespace pelcon::platform {

// The system's reason why a conversion could not create or write its output (disk full, no
// permission) crosses the component interface the platform's usual way: the component remembers
// it while it converts, per thread, and hands it over as a method returns in errno (POSIX) or the
// thread's last-error value (Windows), where the caller reads it at once. 0 means none.

void RememberOutputError(int error);
void ForgetOutputError();

// Puts the remembered error (0 when none) where the caller reads it, and forgets it.
void HandOverOutputError();

// The caller's side, right after the method returned: the error handed over.
int ReceiveOutputError();

}  // namespace pelcon::platform
