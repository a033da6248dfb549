#pragma once

namespace pelcon {

// The double that the value dictionary's "%.15g" text of value reads back as: value rounded to
// 15 significant digits, worked out numerically without building a text for the common cases.
double RoundAsPrinted(double value);

}  // namespace pelcon
