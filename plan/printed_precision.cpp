#include "plan/printed_precision.hpp"

#include <cmath>

#include "datalib/number_text.hpp"

namespace pelcon {

double RoundAsPrinted(double value) {
  // A whole number below 10^15 has at most 15 digits: the text holds it exactly.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) return value;
  char buffer[kNumberTextSize];
  return ReadFloating(std::string_view(buffer, FormatDoubleTo(value, buffer)));
}

}  // namespace pelcon
