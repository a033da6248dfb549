#pragma once

#include <string>

// Rounding to significant digits and printing such a number.

namespace pelcon {

// Rounds x to n significant digits by printing it in exponent form and reading it back. Below
// 10^-n (every negative x included) half of 10^-n is added first, as the format fixes:
// RoundToSignificant(0.0004, 3) is 0.0009. n < 1 gives 0.
double RoundToSignificant(double x, int n);

// The rounded value printed with "%f" and cut after n digits (one more place for a leading
// "0" below 1 and for a minus sign): (123.456, 4) gives "123.5", (12345.6, 3) gives "12300".
std::string FormatSignificant(double x, int n);

}  // namespace pelcon
