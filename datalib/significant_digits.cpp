#include "datalib/significant_digits.hpp"

#include <cmath>
#include <string>

#include "datalib/number_text.hpp"

namespace pelcon {

double RoundToSignificant(double x, int n) {
  if (n < 1) return 0.0;
  const double c = std::pow(10.0, -n);
  if (x < c) x += c / 2.0;
  const std::string text = FormatScientific(x, n - 1);
  // More digits than any buffer holds change nothing of a double.
  return text.empty() ? x : ReadFloating(text);
}

std::string FormatSignificant(double x, int n) {
  const double r = RoundToSignificant(x, n);
  const std::string t = FormatFixed(r, 6);
  std::size_t k = static_cast<std::size_t>(n < 0 ? 0 : n);
  if (std::fabs(r) < 1.0) ++k;
  if (r < 0.0) ++k;
  std::size_t p = t.find('.');
  if (p == std::string::npos) p = t.size();  // "inf", "nan": no point to count from
  if (k > p) p = k + 1;
  return t.substr(0, p);
}

}  // namespace pelcon
