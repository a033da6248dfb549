#pragma once

namespace pelcon::platform {

// From the first call on, an interrupt from the user (Ctrl-C, or a termination request) no
// longer ends the process: it sets a flag that long work polls, so the program can clean up and
// end itself.
void CatchInterrupts();
bool InterruptRequested();

}  // namespace pelcon::platform
