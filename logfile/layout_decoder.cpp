#include "logfile/layout_decoder.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

namespace pelcon {
namespace {

int ItemSize(char letter) {
  switch (letter) {
    case 'c':
    case 'C':
      return 1;
    case 'i':
    case 'I':
      return 2;
    case 'l':
    case 'L':
    case 'f':
    case 'F':
      return 4;
    case 'd':
    case 'D':
      return 8;
    default:
      return 0;
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

class LayoutWalker {
 public:
  LayoutWalker(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination,
               std::string_view layout, bool swap)
      : source_(source), destination_(destination), layout_(layout), swap_(swap) {}

  // Walks from position `at` of the layout, converting at byte `offset` of the areas, until the
  // end of the layout or a ")". Returns the bytes covered; status_ tells whether it went well.
  std::size_t Walk(std::size_t at, std::size_t offset) {
    std::size_t count = 0;
    while (at < layout_.size() && status_ == LayoutStatus::kOk) {
      const char c = layout_[at];
      if (c == ')') break;
      if (IsDigit(c)) {
        at = WalkGroup(at, offset, count);
        continue;
      }
      const int size = ItemSize(c);
      if (size == 0) {
        status_ = LayoutStatus::kBadCharacter;
        break;
      }
      if (!Convert(offset + count, static_cast<std::size_t>(size))) break;
      count += static_cast<std::size_t>(size);
      ++at;
    }
    return count;
  }

  LayoutStatus status() const { return status_; }

 private:
  // A group "N(...)" at position `at`; adds what it covers to count and returns the position
  // behind the first ")" after its "(".
  std::size_t WalkGroup(std::size_t at, std::size_t offset, std::size_t& count) {
    std::size_t repeat = 0;
    while (at < layout_.size() && IsDigit(layout_[at])) {
      // Any count above the area's length fails at its first non-empty repetition anyway.
      repeat = std::min<std::size_t>(repeat * 10 + static_cast<std::size_t>(layout_[at] - '0'),
                                     source_.size() + 1);
      ++at;
    }
    if (at >= layout_.size() || layout_[at] != '(') {
      status_ = LayoutStatus::kBadGroup;
      return layout_.size();
    }
    const std::size_t open = at;
    const std::size_t close = layout_.find(')', open + 1);
    if (close == std::string_view::npos) {
      status_ = LayoutStatus::kBadGroup;
      return layout_.size();
    }
    for (std::size_t n = 0; n < repeat && status_ == LayoutStatus::kOk; ++n) {
      const std::size_t covered = Walk(open + 1, offset + count);
      count += covered;
      if (covered == 0) break;  // an empty group covers nothing however often it repeats
    }
    return close + 1;
  }

  bool Convert(std::size_t offset, std::size_t size) {
    if (offset > source_.size() || size > source_.size() - offset) {
      status_ = LayoutStatus::kPastArea;
      return false;
    }
    std::uint8_t scratch[8];
    std::memcpy(scratch, source_.data() + offset, size);
    if (swap_) std::reverse(scratch, scratch + size);
    std::memcpy(destination_.data() + offset, scratch, size);
    return true;
  }

  std::span<const std::uint8_t> source_;
  std::span<std::uint8_t> destination_;
  std::string_view layout_;
  bool swap_;
  LayoutStatus status_ = LayoutStatus::kOk;
};

}  // namespace

LayoutOutcome decodeLayout(std::span<const std::uint8_t> source,
                           std::span<std::uint8_t> destination, std::string_view layout,
                           bool swap) {
  if (source.size() != destination.size()) return {LayoutStatus::kPastArea, 0};
  LayoutWalker walker(source, destination, layout, swap);
  const std::size_t covered = walker.Walk(0, 0);
  if (walker.status() != LayoutStatus::kOk) return {walker.status(), 0};
  if (covered > std::numeric_limits<std::uint16_t>::max()) return {LayoutStatus::kTooLong, 0};
  return {LayoutStatus::kOk, static_cast<std::uint16_t>(covered)};
}

}  // namespace pelcon
