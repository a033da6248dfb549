#include "outputs/utc_offset_text.hpp"

namespace pelcon::outputs {
namespace {

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

}  // namespace

std::string UtcOffsetText(int minutes) {
  const int magnitude = minutes < 0 ? -minutes : minutes;
  return (minutes < 0 ? "-" : "+") + TwoDigits(magnitude / 60) + ":" + TwoDigits(magnitude % 60);
}

}  // namespace pelcon::outputs
