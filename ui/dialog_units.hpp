#pragma once

namespace pelcon::ui {

// Dialog layouts are given in dialog units, which scale with the dialog's font: a horizontal unit
// is a quarter of the font's average character width, a vertical unit an eighth of its height.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const PixelRect&) const = default;
};

class DialogUnits {
 public:
  // alphabetWidth: the width in pixels of "A" to "Z" followed by "a" to "z" in the dialog font;
  // charHeight: the font's line height in pixels.
  DialogUnits(int alphabetWidth, int charHeight);

  int X(int units) const;
  int Y(int units) const;
  PixelRect Rect(int x, int y, int width, int height) const;

  int AverageCharWidth() const { return averageCharWidth_; }

 private:
  int averageCharWidth_;
  int charHeight_;
};

}  // namespace pelcon::ui
