#pragma once

// The record layout language: a layout string describes the sizes and byte order of the fields
// of an area ("c" 1 byte, "i" 2, "l" and "f" 4, "d" 8, "N(...)" a group repeated N times, ")"
// ends a group or the layout; letters in either case). decodeLayout walks a layout over an area
// and reverses every multi-byte item, converting big-endian file data to host order.

#include <cstdint>
#include <span>
#include <string_view>

namespace pelcon {

enum class LayoutStatus {
  kOk,
  kPastArea,      // the layout covers more bytes than the area holds
  kBadCharacter,  // a character that is not an item, a count or a parenthesis
  kBadGroup,      // a count not followed by "(", or a group without ")"
  kTooLong,       // the layout covers more than 65535 bytes
};

struct LayoutOutcome {
  LayoutStatus status = LayoutStatus::kOk;
  std::uint16_t size = 0;  // bytes the layout covers; valid when status is kOk

  explicit operator bool() const { return status == LayoutStatus::kOk; }
};

// Converts the bytes of source into destination by layout. Source and destination have the same
// length and may be the same area (conversion in place). Nothing outside the areas is read or
// written; on failure the destination may be partly converted. With swap false, items are
// copied unchanged.
LayoutOutcome decodeLayout(std::span<const std::uint8_t> source,
                           std::span<std::uint8_t> destination, std::string_view layout, bool swap);

}  // namespace pelcon
