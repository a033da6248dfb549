#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/com_types.hpp"
#include "platform/wide_text.hpp"

namespace pelcon::platform {
namespace {

TEST(ComponentStrings, BstrKeepsItsLengthAndTerminatingZero) {
  BSTR text = SysAllocString(L"C:\\Data\\Well 3.bin");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 18u);
  EXPECT_EQ(text[18], L'\0');
  EXPECT_EQ(std::wstring(text), L"C:\\Data\\Well 3.bin");
  SysFreeString(text);

  BSTR embedded = SysAllocStringLen(L"a\0b", 3);
  EXPECT_EQ(SysStringLen(embedded), 3u);
  EXPECT_EQ(embedded[2], L'b');
  SysFreeString(embedded);
}

TEST(ComponentStrings, AbsentStringsAreEmpty) {
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
  EXPECT_EQ(WideToNarrow(nullptr), "");
}

TEST(ComponentStrings, WideTextRoundTripsThroughTheLocaleEncoding) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: Windows converts with the ANSI code page, not the C locale";
#endif
  std::setlocale(LC_ALL, "C.UTF-8");
  const std::wstring wide = L"/data/m\u00fcnster/well.bin";
  const std::string narrow = WideToNarrow(wide.c_str());
  EXPECT_EQ(narrow, "/data/m\xC3\xBCnster/well.bin");
  EXPECT_EQ(NarrowToWide(narrow), wide);
  std::setlocale(LC_ALL, "C");
}

// A file name need not be valid text in the locale's encoding; it must still name its file.
TEST(ComponentStrings, BytesTheLocaleCannotDecodeSurviveTheRoundTrip) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: Windows converts with the ANSI code page, not the C locale";
#endif
  for (const char* locale : {"C.UTF-8", "C"}) {
    std::setlocale(LC_ALL, locale);
    const std::string name = "/data/\xFF\xFE well \xC3\xBC\xC3.bin";
    EXPECT_EQ(WideToNarrow(NarrowToWide(name).c_str()), name) << locale;
  }
  std::setlocale(LC_ALL, "C.UTF-8");
  // Decodable bytes still become their characters.
  EXPECT_EQ(NarrowToWide("\xC3\xBC\xFF"), std::wstring(L"\u00fc") + wchar_t{0xDCFF});
  std::setlocale(LC_ALL, "C");
}

TEST(ComponentStrings, UnencodableCharactersKeepTheirLowByte) {
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(WideToNarrow(L"\u00b5S"), "\xB5S");
  EXPECT_EQ(WideToNarrow(L"a\u4e2db"), "a?b");
}

}  // namespace
}  // namespace pelcon::platform
