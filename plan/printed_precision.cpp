#include "plan/printed_precision.hpp"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "datalib/number_text.hpp"

namespace pelcon {
namespace {

// The powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr double kFifteenDigits = 1e14;  // the smallest 15-digit integer

// a * b as its rounded product and the exact error of that rounding (Dekker), without relying on
// a fused multiply-add.
struct ExactProduct {
  double product;
  double error;
};

ExactProduct Multiply(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const auto split = [](double v, double& high, double& low) {
    const double t = kSplitter * v;
    high = t - (t - v);
    low = v - high;
  };
  double aHigh = 0, aLow = 0, bHigh = 0, bLow = 0;
  split(a, aHigh, aLow);
  split(b, bHigh, bLow);
  const double product = a * b;
  const double error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
  return {product, error};
}

// The sign of magnitude x 10^shift minus scaled, its rounded value: which side of scaled the
// exact value lies.
int RoundingErrorSign(double magnitude, int shift, double scaled) {
  if (shift >= 0) {
    const ExactProduct p = Multiply(magnitude, kExactPowers[static_cast<std::size_t>(shift)]);
    return (p.error > 0) - (p.error < 0);
  }
  // magnitude - scaled * divisor, exactly in sign: the product is within a factor of two of the
  // magnitude, so the first difference is exact.
  const ExactProduct p = Multiply(scaled, kExactPowers[static_cast<std::size_t>(-shift)]);
  const double remainder = (magnitude - p.product) - p.error;
  return (remainder > 0) - (remainder < 0);
}

// The 15 significant digits of a positive value as an integer, for a value whose decimal exponent
// is `exponent`, rounded half to even on the exact binary value as the text conversion rounds;
// false when the fast arithmetic cannot tell.
bool SignificantDigits(double magnitude, int exponent, double& digits) {
  const int shift = 14 - exponent;  // digits = magnitude * 10^shift, rounded
  if (shift >= static_cast<int>(kExactPowers.size()) ||
      -shift >= static_cast<int>(kExactPowers.size())) {
    return false;
  }
  const double power = kExactPowers[static_cast<std::size_t>(shift >= 0 ? shift : -shift)];
  const double scaled = shift >= 0 ? magnitude * power : magnitude / power;
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  // Rounding is monotonic and whole + 0.5 is a double here: a fraction other than a half lies
  // on the same side of the half as the exact one. Only a half needs the rounding error.
  if (fraction != 0.5) {
    digits = fraction > 0.5 ? whole + 1 : whole;
    return true;
  }
  const int errorSign = RoundingErrorSign(magnitude, shift, scaled);
  if (errorSign != 0) {
    digits = errorSign > 0 ? whole + 1 : whole;
  } else {
    digits = std::fmod(whole, 2.0) == 0 ? whole : whole + 1;  // a true tie
  }
  return true;
}

// The decimal exponent of a positive finite value (floor of its log10) and its 15 digits, from the
// binary exponent: floor(e2 log10 2) is the decimal exponent or one less, which an exact power
// of ten settles at once where there is one.
bool DecimalDigits(double magnitude, int& exponent, double& digits) {
  // The binary exponent from the bits; a subnormal value's through the library.
  const int biased = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52);
  const int binaryExponent = biased != 0 ? biased - 1023 : std::ilogb(magnitude);
  exponent = (binaryExponent * 78913) >> 18;
  const int next = exponent + 1;
  if (next >= 0 && next < static_cast<int>(kExactPowers.size()) &&
      magnitude >= kExactPowers[static_cast<std::size_t>(next)]) {
    exponent = next;
  }
  if (!SignificantDigits(magnitude, exponent, digits)) return false;
  if (digits > 10 * kFifteenDigits) {
    ++exponent;
    if (!SignificantDigits(magnitude, exponent, digits)) return false;
  }
  return digits >= kFifteenDigits && digits <= 10 * kFifteenDigits;
}

}  // namespace

double RoundAsPrinted(double value) {
  const double magnitude = std::fabs(value);
  // A whole number below 10^15 has at most 15 digits: the text holds it exactly.
  if (magnitude < 1e15 && value == std::trunc(value)) return value;
  if (std::isfinite(value)) {
    int exponent = 0;
    double digits = 0.0;
    if (DecimalDigits(magnitude, exponent, digits)) {
      // One operation on two exact operands: the double nearest the decimal, as a reader of the
      // text gets it.
      const int shift = 14 - exponent;
      const double rounded = shift >= 0 ? digits / kExactPowers[static_cast<std::size_t>(shift)]
                                        : digits * kExactPowers[static_cast<std::size_t>(-shift)];
      return std::signbit(value) ? -rounded : rounded;
    }
  }
  char buffer[kNumberTextSize];
  return ReadFloating(std::string_view(buffer, FormatDoubleTo(value, buffer)));
}

}  // namespace pelcon
