#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/batch_run.hpp"

namespace pelcon::ui::win32 {

// Runs the batch conversion dialog modally with the converter until the user closes it. The
// settings are written as the dialog goes.
void RunBatchDialog(LogFileConverter converter);

}  // namespace pelcon::ui::win32
