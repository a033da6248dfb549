#include "ui/dialog_units.hpp"

namespace pelcon::ui {
namespace {

// value * numerator / denominator, rounded half away from zero, as dialog units are mapped on
// Windows.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

}  // namespace

// The average over the 52 letters, rounded to the nearest pixel.
DialogUnits::DialogUnits(int alphabetWidth, int charHeight)
    : averageCharWidth_((alphabetWidth / 26 + 1) / 2), charHeight_(charHeight) {}

int DialogUnits::X(int units) const {
  return ScaleRounded(units, averageCharWidth_, 4);
}

int DialogUnits::Y(int units) const {
  return ScaleRounded(units, charHeight_, 8);
}

PixelRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return {X(x), Y(y), X(width), Y(height)};
}

}  // namespace pelcon::ui
