#pragma once

namespace pelcon::ui {

// Whether dialogs can be shown: on Linux a window system must be named by DISPLAY or
// WAYLAND_DISPLAY, or a toolkit platform chosen by QT_QPA_PLATFORM (such as "offscreen").
bool DisplayAvailable();

}  // namespace pelcon::ui
