#include "logfile/layout_decoder.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <numeric>
#include <vector>

#include "logfile/log_blocks.hpp"

namespace pelcon {
namespace {

std::vector<std::uint8_t> Counting(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
  return bytes;
}

LayoutOutcome InPlace(std::vector<std::uint8_t>& area, std::string_view layout) {
  return decodeLayout(area, area, layout, true);
}

TEST(LayoutDecoder, StampSwapsTheYearInPlaceAndLeavesTheBytes) {
  std::vector<std::uint8_t> area{0x01, 0x07, 0xD9, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
  const LayoutOutcome outcome = InPlace(area, "ci6(c)");
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome.size, 9);
  EXPECT_EQ(area,
            (std::vector<std::uint8_t>{0x01, 0xD9, 0x07, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}));
  std::uint16_t year;
  std::memcpy(&year, area.data() + 1, 2);
  EXPECT_EQ(year, 2009);  // 0x07D9 on this little-endian host
}

TEST(LayoutDecoder, FloatPairsReverseEachFourBytesOnTheirOwn) {
  std::vector<std::uint8_t> area = Counting(16);
  const LayoutOutcome outcome = InPlace(area, "2(ff)");
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome.size, 16);
  EXPECT_EQ(area,
            (std::vector<std::uint8_t>{4, 3, 2, 1, 8, 7, 6, 5, 12, 11, 10, 9, 16, 15, 14, 13}));
}

TEST(LayoutDecoder, BigEndianFloatBecomesItsValue) {
  std::vector<std::uint8_t> area{0x41, 0x60, 0x00, 0x00};  // 14.0f
  ASSERT_TRUE(InPlace(area, "f"));
  float value;
  std::memcpy(&value, area.data(), 4);
  EXPECT_EQ(value, 14.0f);
}

TEST(LayoutDecoder, ByteGroupsAndEmptyGroups) {
  std::vector<std::uint8_t> area = Counting(17);
  const std::vector<std::uint8_t> before = area;
  EXPECT_EQ(InPlace(area, "0(c)").size, 0);
  EXPECT_EQ(InPlace(area, "17(c)").size, 17);
  EXPECT_EQ(area, before);
  // An empty group covers nothing however often it repeats, and ends at once.
  const LayoutOutcome huge = InPlace(area, "99999999999999999999()c");
  ASSERT_TRUE(huge);
  EXPECT_EQ(huge.size, 1);
}

TEST(LayoutDecoder, EightByteDoublesAndUppercaseLetters) {
  std::vector<std::uint8_t> lower = Counting(15);
  std::vector<std::uint8_t> upper = lower;
  ASSERT_TRUE(InPlace(lower, "dlic"));
  ASSERT_TRUE(InPlace(upper, "DLIC"));
  EXPECT_EQ(lower, upper);
  EXPECT_EQ(lower, (std::vector<std::uint8_t>{8, 7, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9, 14, 13, 15}));
}

TEST(LayoutDecoder, WithoutSwappingItemsAreCopied) {
  const std::vector<std::uint8_t> source = Counting(6);
  std::vector<std::uint8_t> destination(6, 0);
  const LayoutOutcome outcome = decodeLayout(source, destination, "if", false);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome.size, 6);
  EXPECT_EQ(destination, source);
}

TEST(LayoutDecoder, SeparateDestinationReceivesTheSwappedBytes) {
  const std::vector<std::uint8_t> source{0x12, 0x34};
  std::vector<std::uint8_t> destination(2, 0);
  ASSERT_TRUE(decodeLayout(source, destination, "i", true));
  EXPECT_EQ(destination, (std::vector<std::uint8_t>{0x34, 0x12}));
  EXPECT_EQ(source, (std::vector<std::uint8_t>{0x12, 0x34}));
}

TEST(LayoutDecoder, RecordLayoutsOfBothKinds) {
  std::vector<std::uint8_t> area{0, 0, 0x0E, 0x10, 0x27, 0x10, 0x00, 0x64};
  const LayoutOutcome outcome = InPlace(area, "l2(i)");
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome.size, 8);
  std::uint32_t seconds;
  std::uint16_t first, second;
  std::memcpy(&seconds, area.data(), 4);
  std::memcpy(&first, area.data() + 4, 2);
  std::memcpy(&second, area.data() + 6, 2);
  EXPECT_EQ(seconds, 3600u);
  EXPECT_EQ(first, 10000);
  EXPECT_EQ(second, 100);
}

TEST(LayoutDecoder, ClosingParenthesisAtTopLevelEndsTheLayout) {
  std::vector<std::uint8_t> area = Counting(4);
  EXPECT_EQ(InPlace(area, "i)i").size, 2);
  EXPECT_EQ(area, (std::vector<std::uint8_t>{2, 1, 3, 4}));
}

TEST(LayoutDecoder, NestedGroupEndsAtTheFirstClosingParenthesis) {
  // "2(c2(i)c)": each outer pass covers c, 2 x i, c = 6 bytes; after the passes the walk goes on
  // behind the inner ")" (the first after the outer "("), so a further "c" is taken, then the
  // last ")" ends the layout: 6 + 6 + 1 = 13.
  std::vector<std::uint8_t> area = Counting(13);
  const LayoutOutcome outcome = InPlace(area, "2(c2(i)c)");
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome.size, 13);
  EXPECT_EQ(area, (std::vector<std::uint8_t>{1, 3, 2, 5, 4, 6, 7, 9, 8, 11, 10, 12, 13}));
}

TEST(LayoutDecoder, EveryStoredLayoutCoversExactlyItsSize) {
  for (const RecordLayout& layout : layouts::kAll) {
    SCOPED_TRACE(layout.text);
    std::vector<std::uint8_t> area(layout.size, 0xAB);
    const LayoutOutcome outcome = InPlace(area, layout.text);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.size, layout.size);
    std::vector<std::uint8_t> shorter(layout.size - 1u, 0xAB);
    EXPECT_EQ(InPlace(shorter, layout.text).status, LayoutStatus::kPastArea);
  }
}

TEST(LayoutDecoder, StoredLayoutSizesMatchTheTable) {
  // Sizes as the format lists them, in the order of layouts::kAll.
  const std::array<int, 25> expected{42, 36,  37,  38, 8,   46, 72, 119, 105, 1244, 18, 229, 25,
                                     23, 252, 115, 28, 189, 19, 19, 29,  22,  96,   19, 17};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(layouts::kAll[i].size, expected[i]) << layouts::kAll[i].text;
  }
}

TEST(LayoutDecoder, NeverWritesPastTheArea) {
  std::vector<std::uint8_t> buffer(8, 0x11);
  const std::span<std::uint8_t> area(buffer.data(), 5);
  const LayoutOutcome outcome = decodeLayout(area, area, "cil", true);
  EXPECT_EQ(outcome.status, LayoutStatus::kPastArea);
  EXPECT_EQ(buffer[5], 0x11);
  EXPECT_EQ(buffer[6], 0x11);
  EXPECT_EQ(buffer[7], 0x11);
  EXPECT_EQ(decodeLayout(area, area, "100(c)", true).status, LayoutStatus::kPastArea);
}

TEST(LayoutDecoder, MalformedLayoutsAreErrors) {
  std::vector<std::uint8_t> area = Counting(8);
  EXPECT_EQ(InPlace(area, "cx").status, LayoutStatus::kBadCharacter);
  EXPECT_EQ(InPlace(area, "c i").status, LayoutStatus::kBadCharacter);
  EXPECT_EQ(InPlace(area, "3c").status, LayoutStatus::kBadGroup);
  EXPECT_EQ(InPlace(area, "2(c").status, LayoutStatus::kBadGroup);
  EXPECT_EQ(InPlace(area, "12").status, LayoutStatus::kBadGroup);
  std::vector<std::uint8_t> other(7);
  EXPECT_EQ(decodeLayout(area, other, "c", true).status, LayoutStatus::kPastArea);
}

}  // namespace
}  // namespace pelcon
