#pragma once

namespace pelcon::outputs {

// The digits after the point with which value shows digits significant digits as a "%g" style
// text does without an exponent (12.30 for 12.3 at 4 digits); -1 when that text would need an
// exponent.
int SignificantDecimals(double value, int digits);

}  // namespace pelcon::outputs
