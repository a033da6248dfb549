#include "platform/registry.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "tests/platform/notice_recorder.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"

// The registry file stands in for the registry only where there is none; on Windows the
// registry API is used and tested in registry_win32_test.cpp.
#ifndef _WIN32

#include <sys/stat.h>

#include "tests/platform/other_user.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::ReadBytes;
using pelcon::testing::ScopedEnvironment;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;

constexpr std::string_view kPelconKey = "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon";

class RegistryTest : public ::testing::Test {
 protected:
  ScratchDirectory scratch;
  std::string file = scratch.File("registry.reg");
  ScopedEnvironment registry{"PELCON_REGISTRY", file};
};

TEST_F(RegistryTest, WritesTheExportFormatAndReadsItBack) {
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Template PathFile", "C:\\T\\say \"hi\".bft"));
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/data"));

  EXPECT_EQ(ReadRegistryString(kPelconKey, "Template PathFile"), "C:\\T\\say \"hi\".bft");
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), "/data");
  // Backslash and double quote are escaped with a backslash, as a registry export has them.
  EXPECT_EQ(ReadBytes(file),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon]\n"
            "\"Template PathFile\"=\"C:\\\\T\\\\say \\\"hi\\\".bft\"\n"
            "\"Data Path\"=\"/data\"\n"
            "\n");
}

TEST_F(RegistryTest, DefaultValueIsWrittenWithAtSign) {
  const std::string key = "HKEY_CLASSES_ROOT\\CLSID\\{1234}\\InprocServer32";
  ASSERT_TRUE(WriteRegistryString(key, "", "/usr/lib/libTarvelPelcon.so"));
  ASSERT_TRUE(WriteRegistryString(key, "ThreadingModel", "Both"));
  EXPECT_EQ(ReadRegistryString(key, ""), "/usr/lib/libTarvelPelcon.so");
  EXPECT_NE(ReadBytes(file).find("\n@=\"/usr/lib/libTarvelPelcon.so\"\n"), std::string::npos);
}

TEST_F(RegistryTest, KeysAndValueNamesIgnoreLetterCase) {
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/one"));
  ASSERT_TRUE(WriteRegistryString("hkey_local_machine\\SOFTWARE\\tarvel inc.\\pelcon", "DATA PATH",
                                  "/two"));

  EXPECT_EQ(ReadRegistryString("HKEY_LOCAL_MACHINE\\software\\TARVEL INC.\\PELCON", "data path"),
            "/two");
  // The second write replaced the value in the first key instead of adding another one.
  std::string text = ReadBytes(file);
  EXPECT_EQ(std::ranges::count(text, '['), 1);
  EXPECT_EQ(text.find("/one"), std::string::npos);
  EXPECT_NE(text.find("\"Data Path\"=\"/two\""), std::string::npos);
}

TEST_F(RegistryTest, MissingKeyValueOrFileReadsNothing) {
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), std::nullopt);
  EXPECT_FALSE(RegistryKeyExists(kPelconKey));
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", ""));
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), "");  // present but empty
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Template PathFile"), std::nullopt);
  EXPECT_EQ(ReadRegistryString(std::string(kPelconKey) + "\\Sub", "Data Path"), std::nullopt);
}

TEST_F(RegistryTest, ReadsAHandEditedFileAndKeepsWhatItDoesNotWrite) {
  WriteBytes(file,
             "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
             "; kept comment\r\n"
             "\r\n"
             "[HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo]\r\n"
             "\"DMRoot\" = \"C:\\\\Apps\\\\Tool\\\\\"\r\n"
             "\"Count\"=dword:00000002\r\n"
             "\"Blob\"=hex:01,02,\\\r\n"
             "  03,04\r\n"
             "\"Odd\"=\"a\\tb\"\r\n");

  EXPECT_EQ(
      ReadRegistryString("HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo", "DMRoot"),
      "C:\\Apps\\Tool\\");
  // A backslash before anything but a backslash or a quote is an ordinary character.
  EXPECT_EQ(
      ReadRegistryString("HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo", "Odd"),
      "a\\tb");
  // Values of other types are not strings.
  EXPECT_EQ(
      ReadRegistryString("HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo", "Count"),
      std::nullopt);

  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  std::string text = ReadBytes(file);
  EXPECT_NE(text.find("; kept comment\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Count\"=dword:00000002\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Blob\"=hex:01,02,\\\r\n  03,04\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Odd\"=\"a\\\\tb\"\r\n"), std::string::npos);
}

TEST_F(RegistryTest, ForeignFileIsNeitherReadNorOverwritten) {
  const std::string foreign = "not a registry\n\"Data Path\"=\"x\"\n";
  WriteBytes(file, foreign);
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), std::nullopt);
  EXPECT_FALSE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  EXPECT_EQ(ReadBytes(file), foreign);
}

TEST_F(RegistryTest, WriteLeavesNoTemporaryFileBehind) {
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(WriteRegistryString(kPelconKey, "V" + std::to_string(i), "x"));
  }
  ASSERT_TRUE(DeleteRegistryValue(kPelconKey, "V0"));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(scratch.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::ranges::sort(names);
  EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(RegistryTest, WriteThatCannotCreateTheFileReportsFalse) {
  // A regular file where the folder should be stops even a privileged user.
  WriteBytes(scratch.File("plain"), "x");
  ScopedEnvironment unwritable("PELCON_REGISTRY", scratch.File("plain") + "/registry.reg");
  EXPECT_FALSE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), std::nullopt);
}

TEST_F(RegistryTest, TextThatWouldBreakTheLineStructureIsRefused) {
  EXPECT_FALSE(WriteRegistryString(kPelconKey, "Data Path", "/a\nb"));
  EXPECT_FALSE(WriteRegistryString(kPelconKey, "Bad\rName", "x"));
  EXPECT_FALSE(WriteRegistryString("HKEY_LOCAL_MACHINE\\\\Software", "Data Path", "x"));
  EXPECT_FALSE(RegistryKeyExists("HKEY_LOCAL_MACHINE"));
}

TEST_F(RegistryTest, DeletingAKeyRemovesItsSubkeysButNotItsNamesakes) {
  const std::string top = "HKEY_CLASSES_ROOT\\CLSID";
  ASSERT_TRUE(WriteRegistryString(top + "\\{A}", "", "class"));
  ASSERT_TRUE(WriteRegistryString(top + "\\{A}\\InprocServer32", "", "lib"));
  ASSERT_TRUE(WriteRegistryString(top + "\\{A}X", "", "other"));
  EXPECT_TRUE(RegistryKeyExists(top));  // exists through its subkeys
  EXPECT_EQ(RegistrySubkeys(top), (std::vector<std::string>{"{A}", "{A}X"}));
  EXPECT_EQ(RegistrySubkeys(top + "\\{a}"), std::vector<std::string>{"InprocServer32"});

  ASSERT_TRUE(DeleteRegistryKey(top + "\\{a}"));
  EXPECT_FALSE(RegistryKeyExists(top + "\\{A}"));
  EXPECT_FALSE(RegistryKeyExists(top + "\\{A}\\InprocServer32"));
  EXPECT_EQ(ReadRegistryString(top + "\\{A}X", ""), "other");
  // Deleting what is already gone succeeds without touching the rest.
  EXPECT_TRUE(DeleteRegistryKey(top + "\\{A}"));
  EXPECT_TRUE(DeleteRegistryValue(top + "\\{A}X", "missing"));
  EXPECT_TRUE(DeleteRegistryValue(top + "\\{A}X", ""));
  EXPECT_EQ(ReadRegistryString(top + "\\{A}X", ""), std::nullopt);
  EXPECT_TRUE(RegistryKeyExists(top + "\\{A}X"));  // deleting a value keeps its key
}

TEST_F(RegistryTest, ACreatedKeyOutlivesItsLastSubkey) {
  const std::string top = "HKEY_CLASSES_ROOT\\CLSID";
  ASSERT_TRUE(CreateRegistryKey(top));
  ASSERT_TRUE(WriteRegistryString(top + "\\{A}", "", "class"));
  ASSERT_TRUE(CreateRegistryKey(top));  // an existing key stays as it is
  EXPECT_EQ(ReadRegistryString(top + "\\{A}", ""), "class");
  ASSERT_TRUE(DeleteRegistryKey(top + "\\{A}"));
  EXPECT_TRUE(RegistryKeyExists(top));
  EXPECT_TRUE(RegistrySubkeys(top).empty());
  EXPECT_FALSE(CreateRegistryKey("HKEY_CLASSES_ROOT\\\\empty part"));
}

TEST_F(RegistryTest, KeepsTheFilesLineEnds) {
  WriteBytes(file,
             "Windows Registry Editor Version 5.00\r\n"
             "\r\n"
             "[HKEY_CURRENT_USER\\Other]\r\n"
             "\"Blob\"=hex:01,\\\r\n"
             "  02\r\n");
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  EXPECT_EQ(ReadBytes(file),
            "Windows Registry Editor Version 5.00\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Other]\r\n"
            "\"Blob\"=hex:01,\\\r\n"
            "  02\r\n"
            "\r\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon]\r\n"
            "\"Data Path\"=\"/d\"\r\n"
            "\r\n");
}

// Each rewrite must read back as what was written, or the file drifts (or locks up) over time.
TEST_F(RegistryTest, RewritesReadBackAsWritten) {
  WriteBytes(file, "REGEDIT4\n; note\r\r\r\n[HKEY_CURRENT_USER\\A]\n\"Bin\"=hex:01,\\\n");
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  const std::string first = ReadBytes(file);
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  EXPECT_EQ(ReadBytes(file), first);
  EXPECT_NE(first.find("\n; note\n"), std::string::npos);

  // "[-key]" means "delete the key": such a key cannot be stored, and the file stays writable.
  EXPECT_FALSE(WriteRegistryString("-HKEY_CURRENT_USER\\B", "Name", "x"));
  EXPECT_FALSE(CreateRegistryKey("-B"));
  EXPECT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/e"));
  EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), "/e");
}

TEST_F(RegistryTest, ALinkInPlaceOfTheFileIsRefusedByName) {
  const std::string victim = scratch.File("victim.txt");
  WriteBytes(victim, "REGEDIT4\n; someone else's\n");
  std::filesystem::create_symlink(victim, file);
  pelcon::testing::NoticeRecorder notices;
  EXPECT_FALSE(WriteRegistryString(kPelconKey, "Data Path", "/d"));
  EXPECT_EQ(ReadBytes(victim), "REGEDIT4\n; someone else's\n");
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_NE(notices.shown[0].text.find(file + ": "), std::string::npos);
  EXPECT_NE(notices.shown[0].text.find("symbolic link"), std::string::npos);
}

// Another user may make files in the folder, but the settings file's own permissions say no.
TEST_F(RegistryTest, AReadOnlyFileOfAnotherUserIsNotReplaced) {
  if (!pelcon::testing::IsRoot()) GTEST_SKIP() << "needs root to act as a second user";
  std::filesystem::permissions(scratch.Path(), std::filesystem::perms::all);
  ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/root"));
  std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  std::filesystem::permissions(file + ".lock", std::filesystem::perms::all);
  const std::string before = ReadBytes(file);
  EXPECT_TRUE(pelcon::testing::RunAsOtherUser([] {
    pelcon::testing::NoticeRecorder notices;
    return !WriteRegistryString(kPelconKey, "Data Path", "/other") && notices.shown.size() == 1;
  }));
  EXPECT_EQ(ReadBytes(file), before);
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 0u);
  EXPECT_EQ(status.st_mode & 07777, 0444u);
}

TEST_F(RegistryTest, ConcurrentWritersLoseNoChange) {
  constexpr int kThreads = 4;
  constexpr int kWrites = 25;
  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t) {
    writers.emplace_back([t] {
      for (int i = 0; i < kWrites; ++i) {
        WriteRegistryString(kPelconKey, "T" + std::to_string(t) + "-" + std::to_string(i), "v");
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kWrites; ++i) {
      EXPECT_EQ(ReadRegistryString(kPelconKey, "T" + std::to_string(t) + "-" + std::to_string(i)),
                "v");
    }
  }
}

TEST(RegistryLocation, FollowsTheXdgConventionWithoutAnOverride) {
  ScratchDirectory scratch;
  ScopedEnvironment noOverride("PELCON_REGISTRY", std::nullopt);
  ScopedEnvironment home("HOME", scratch.File("home"));
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", scratch.File("config"));
    ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/x"));
    EXPECT_TRUE(std::filesystem::exists(scratch.File("config/tarvel-pelcon/registry.reg")));
  }
  {
    // A relative XDG_CONFIG_HOME is ignored, as the convention says.
    ScopedEnvironment config("XDG_CONFIG_HOME", "relative");
    ASSERT_TRUE(WriteRegistryString(kPelconKey, "Data Path", "/y"));
    EXPECT_TRUE(std::filesystem::exists(scratch.File("home/.config/tarvel-pelcon/registry.reg")));
    EXPECT_EQ(ReadRegistryString(kPelconKey, "Data Path"), "/y");
  }
}

}  // namespace
}  // namespace pelcon::platform

#endif
