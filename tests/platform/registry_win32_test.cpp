// The registry layer on Windows: the registry API itself, in a scratch key of the current user.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "platform/registry.hpp"

namespace pelcon::platform {
namespace {

class WindowsRegistryTest : public ::testing::Test {
 protected:
  WindowsRegistryTest() {
    std::random_device random;
    key = "HKEY_CURRENT_USER\\Software\\Tarvel Pelcon Tests\\" + std::to_string(random());
  }
  ~WindowsRegistryTest() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Below().c_str()); }

  std::string Below() const { return key.substr(key.find('\\') + 1); }

  std::string key;
};

TEST_F(WindowsRegistryTest, StringsRoundTripWithTheDefaultValueAndAnyLetterCase) {
  ASSERT_TRUE(WriteRegistryString(key + "\\InprocServer32", "", "C:\\Lib\\TarvelPelcon.dll"));
  ASSERT_TRUE(WriteRegistryString(key + "\\InprocServer32", "ThreadingModel", "Both"));
  EXPECT_EQ(ReadRegistryString(key + "\\INPROCSERVER32", ""), "C:\\Lib\\TarvelPelcon.dll");
  EXPECT_EQ(ReadRegistryString(key + "\\InprocServer32", "threadingmodel"), "Both");

  // Longer than a path buffer, with the code page's micro sign kept as its byte.
  const std::string long_text = std::string(700, 'x') + "\xB5";
  ASSERT_TRUE(WriteRegistryString(key, "Template PathFile", long_text));
  EXPECT_EQ(ReadRegistryString(key, "Template PathFile"), long_text);
}

TEST_F(WindowsRegistryTest, MissingEmptyAndNonStringValues) {
  EXPECT_EQ(ReadRegistryString(key, "Data Path"), std::nullopt);
  EXPECT_FALSE(RegistryKeyExists(key));
  ASSERT_TRUE(WriteRegistryString(key, "Data Path", ""));
  EXPECT_TRUE(RegistryKeyExists(key));
  EXPECT_EQ(ReadRegistryString(key, "Data Path"), "");  // present but empty

  HKEY opened = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, Below().c_str(), 0, KEY_SET_VALUE, &opened),
            ERROR_SUCCESS);
  const DWORD number = 2;
  ::RegSetValueExA(opened, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
  ::RegCloseKey(opened);
  EXPECT_EQ(ReadRegistryString(key, "Count"), std::nullopt);
}

TEST_F(WindowsRegistryTest, DeletingAKeyRemovesItsSubkeysButNotItsNamesakes) {
  ASSERT_TRUE(WriteRegistryString(key + "\\{A}", "", "class"));
  ASSERT_TRUE(WriteRegistryString(key + "\\{A}\\InprocServer32", "", "lib"));
  ASSERT_TRUE(WriteRegistryString(key + "\\{A}X", "", "other"));
  EXPECT_EQ(RegistrySubkeys(key), (std::vector<std::string>{"{A}", "{A}X"}));
  EXPECT_EQ(RegistrySubkeys(key + "\\{a}"), std::vector<std::string>{"InprocServer32"});

  ASSERT_TRUE(DeleteRegistryKey(key + "\\{a}"));
  EXPECT_FALSE(RegistryKeyExists(key + "\\{A}"));
  EXPECT_EQ(ReadRegistryString(key + "\\{A}X", ""), "other");
  // Deleting what is already gone succeeds without touching the rest.
  EXPECT_TRUE(DeleteRegistryKey(key + "\\{A}"));
  EXPECT_TRUE(DeleteRegistryValue(key + "\\{A}X", "missing"));
  EXPECT_TRUE(DeleteRegistryValue(key + "\\{A}\\gone", "missing"));
  EXPECT_TRUE(DeleteRegistryValue(key + "\\{A}X", ""));
  EXPECT_EQ(ReadRegistryString(key + "\\{A}X", ""), std::nullopt);
  EXPECT_TRUE(RegistryKeyExists(key + "\\{A}X"));  // deleting a value keeps its key
}

TEST_F(WindowsRegistryTest, UnknownRootsAndWholeRootsAreRefused) {
  EXPECT_FALSE(WriteRegistryString("HKEY_NOWHERE\\Software", "Data Path", "x"));
  EXPECT_EQ(ReadRegistryString("HKEY_NOWHERE\\Software", "Data Path"), std::nullopt);
  EXPECT_FALSE(WriteRegistryString("HKEY_CURRENT_USER", "Data Path", "x"));
  EXPECT_FALSE(DeleteRegistryKey("HKEY_CURRENT_USER"));
  EXPECT_TRUE(RegistryKeyExists("hkey_current_user\\Software"));
}

}  // namespace
}  // namespace pelcon::platform

#endif
