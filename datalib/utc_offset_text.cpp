#include "datalib/utc_offset_text.hpp"

namespace pelcon {

std::string UtcOffsetText(int minutes) {
  const int magnitude = minutes < 0 ? -minutes : minutes;
  const int hours = magnitude / 60;
  const char text[] = {minutes < 0 ? '-' : '+',
                       static_cast<char>('0' + hours / 10),
                       static_cast<char>('0' + hours % 10),
                       ':',
                       static_cast<char>('0' + magnitude % 60 / 10),
                       static_cast<char>('0' + magnitude % 10)};
  return std::string(text, sizeof text);
}

}  // namespace pelcon
