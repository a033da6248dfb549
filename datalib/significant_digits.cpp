#include "datalib/significant_digits.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace pelcon {

double RoundToSignificant(double x, int n) {
  if (n < 1) return 0.0;
  const double c = std::pow(10.0, -n);
  if (x < c) x += c / 2.0;
  char text[512];
  std::snprintf(text, sizeof text, "%.*e", n - 1, x);
  return std::strtod(text, nullptr);
}

std::string FormatSignificant(double x, int n) {
  const double r = RoundToSignificant(x, n);
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%f", r);
  const std::string t = buffer;
  std::size_t k = static_cast<std::size_t>(n < 0 ? 0 : n);
  if (std::fabs(r) < 1.0) ++k;
  if (r < 0.0) ++k;
  std::size_t p = t.find('.');
  if (p == std::string::npos) p = t.size();  // "inf", "nan": no point to count from
  if (k > p) p = k + 1;
  return t.substr(0, p);
}

}  // namespace pelcon
