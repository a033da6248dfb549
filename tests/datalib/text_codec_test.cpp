#include "datalib/text_codec.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace pelcon {
namespace {

// The block where Windows-1252 differs from Latin-1, from the code page's published table
// (unicode.org, CP1252.TXT). The table leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined; Windows
// and the WHATWG encoding index map them to the C1 controls of the same number.
constexpr std::pair<unsigned char, char32_t> kHighBlock[] = {
    {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026},
    {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039},
    {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018},
    {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
    {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D},
    {0x9E, 0x017E}, {0x9F, 0x0178}};

TEST(Windows1252, TheHighBlockFollowsThePublishedTable) {
  for (const auto& [byte, character] : kHighBlock) {
    EXPECT_EQ(Windows1252ToUnicode(byte), character) << int{byte};
    EXPECT_EQ(UnicodeToWindows1252(character), int{byte}) << int{byte};
  }
  // The rest is Latin-1: the micro sign, y with diaeresis, A.
  EXPECT_EQ(Windows1252ToUnicode(0xB5), U'\u00B5');
  EXPECT_EQ(Windows1252ToUnicode(0xFF), U'\u00FF');
  EXPECT_EQ(Windows1252ToUnicode('A'), U'A');
}

TEST(Windows1252, HasNoByteForCharactersOutsideTheCodePage) {
  EXPECT_EQ(UnicodeToWindows1252(U'\u03A9'), -1);  // Greek capital omega
  EXPECT_EQ(UnicodeToWindows1252(U'\u0080'), -1);  // its slot holds the euro sign
  EXPECT_EQ(UnicodeToWindows1252(U'\u009F'), -1);  // and this one Y with diaeresis
  EXPECT_EQ(UnicodeToWindows1252(U'\u0100'), -1);  // the first character after Latin-1
  EXPECT_EQ(UnicodeToWindows1252(U'\U0001F600'), -1);
}

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
  for (int value = 0; value < 256; ++value) {
    const std::string byte(1, static_cast<char>(value));
    const std::string utf8 = Windows1252AsUtf8(byte);
    EXPECT_TRUE(IsUtf8(utf8)) << value;
    EXPECT_EQ(Utf8ToWindows1252(utf8, CodecMode::kStrict), byte) << value;
  }
}

TEST(Windows1252, MicroSignBothWaysAndNothingForOtherText) {
  std::string utf8;
  AppendWindows1252AsUtf8(utf8, "\xB5S \x80");
  EXPECT_EQ(utf8, "\xC2\xB5S \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToWindows1252("\xC2\xB5S \xE2\x82\xAC", CodecMode::kStrict), "\xB5S \x80");
  EXPECT_FALSE(Utf8ToWindows1252("\xB5S", CodecMode::kStrict));  // not UTF-8
  // infinity: not in the code page
  EXPECT_FALSE(Utf8ToWindows1252("\xE2\x88\x9E", CodecMode::kStrict));
}

TEST(Windows1252, AppendsAfterWhatIsThereAndConvertsTheUndefinedBytesToo) {
  std::string utf8 = "x";
  // The C1 control U+0081 is C2 81, the trade mark sign U+2122 E2 84 A2.
  AppendWindows1252AsUtf8(utf8, "\x81\x99");
  EXPECT_EQ(utf8, "x\xC2\x81\xE2\x84\xA2");
  EXPECT_EQ(Windows1252AsUtf8(""), "");
}

// RFC 3629's boundaries: the first and last character of each sequence length and around the
// surrogates.
TEST(Utf8, DecodesAndEncodesTheBoundariesOfEachLength) {
  const std::pair<std::string, char32_t> cases[] = {
      {std::string(1, '\0'), 0x0000}, {"\x7F", 0x007F},         {"\xC2\x80", 0x0080},
      {"\xDF\xBF", 0x07FF},           {"\xE0\xA0\x80", 0x0800}, {"\xED\x9F\xBF", 0xD7FF},
      {"\xEE\x80\x80", 0xE000},       {"\xEF\xBF\xBF", 0xFFFF}, {"\xF0\x90\x80\x80", 0x10000},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF}};
  for (const auto& [bytes, character] : cases) {
    const Utf8Sequence sequence = DecodeUtf8(bytes + "z");
    EXPECT_EQ(sequence.character, character) << bytes;
    EXPECT_EQ(sequence.length, bytes.size()) << bytes;
    std::string encoded;
    AppendUtf8(encoded, character);
    EXPECT_EQ(encoded, bytes);
  }
  EXPECT_EQ(DecodeUtf8("").length, 0u);
}

// Each holds no well-formed sequence at all, so lossy conversion gives one "?" per byte.
TEST(Utf8, RejectsMalformedSequences) {
  const std::string malformed[] = {
      "\x80",
      "\xBF",  // a continuation byte alone
      "\xC0\xAF",
      "\xC1\xBF",
      "\xC0\x80",  // overlong: "/", U+007F, NUL
      "\xE0\x80\xAF",
      "\xE0\x9F\xBF",  // overlong in three bytes
      "\xF0\x80\x80\xAF",
      "\xF0\x8F\xBF\xBF",  // overlong in four bytes
      "\xC3",
      "\xE2\x82",
      "\xF0\x9F\x98",  // cut short at the end
      "\xED\xA0\x80",
      "\xED\xBF\xBF",              // surrogates U+D800, U+DFFF
      "\xED\xA0\xBD\xED\xB8\x80",  // a surrogate pair encoded separately
      "\xF4\x90\x80\x80",
      "\xF5\x80\x80\x80",  // U+110000 and beyond
      "\xF7\xBF\xBF\xBF",
      "\xF8\x88\x80\x80\x80",  // old four- and five-byte forms
      "\xFC\x84\x80\x80\x80\x80",
      "\xFE",
      "\xFF"};
  for (const std::string& bytes : malformed) {
    EXPECT_EQ(DecodeUtf8(bytes).length, 0u) << bytes;
    EXPECT_FALSE(IsUtf8("ok " + bytes)) << bytes;
    EXPECT_FALSE(Utf8ToWindows1252(bytes, CodecMode::kStrict)) << bytes;
    EXPECT_EQ(Utf8ToWindows1252(bytes, CodecMode::kLossy), std::string(bytes.size(), '?')) << bytes;
  }
}

TEST(Utf8, ACutSequenceBeforeMoreTextIsMalformedToo) {
  // A lead byte followed by a byte that does not continue it.
  EXPECT_FALSE(IsUtf8("\xC3x"));
  EXPECT_FALSE(IsUtf8("\xE2\x82x"));
  EXPECT_EQ(Utf8ToWindows1252("\xE2\x82x\xC3\xBC", CodecMode::kLossy), "??x\xFC");
  EXPECT_TRUE(IsUtf8(""));
  EXPECT_TRUE(IsUtf8("M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x98\x80"));
}

TEST(Utf8ToWindows1252, StrictFailsWhereLossyWritesQuestionMarks) {
  // u-umlaut FC, copyright A9, euro 80, micro B5: all in the code page, so both modes agree.
  const std::string inCodePage = "M\xC3\xBCller \xC2\xA9\xE2\x82\xAC \xC2\xB5S.bin.csv";
  EXPECT_EQ(Utf8ToWindows1252(inCodePage, CodecMode::kStrict), "M\xFCller \xA9\x80 \xB5S.bin.csv");
  EXPECT_EQ(Utf8ToWindows1252(inCodePage, CodecMode::kLossy), "M\xFCller \xA9\x80 \xB5S.bin.csv");
  // Omega, two CJK characters and an emoji have no byte: one "?" per character.
  const std::string outside = "\xCE\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";
  EXPECT_FALSE(Utf8ToWindows1252(outside, CodecMode::kStrict));
  EXPECT_EQ(Utf8ToWindows1252(outside, CodecMode::kLossy), "? ?? ?");
  // Text that is Windows-1252 already is not UTF-8: each such byte is one "?".
  EXPECT_FALSE(Utf8ToWindows1252("M\xFCller", CodecMode::kStrict));
  EXPECT_EQ(Utf8ToWindows1252("M\xFCller", CodecMode::kLossy), "M?ller");
  EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF\xED\xA0\x80x\xC3", CodecMode::kLossy), "?????x?");
  EXPECT_EQ(Utf8ToWindows1252("", CodecMode::kStrict), "");
}

}  // namespace
}  // namespace pelcon
