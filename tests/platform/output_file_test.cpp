#include "platform/output_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.hpp"

#include "tests/platform/scratch_directory.hpp"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "tests/platform/other_user.hpp"
#endif

namespace pelcon::platform {
namespace {

using pelcon::testing::ReadBytes;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;

std::size_t EntryCount(const std::filesystem::path& directory) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory),
                                                std::filesystem::directory_iterator()));
}

TEST(ExclusiveOutputFile, SecondWriterFailsAndLeavesTheFirstWritersData) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("well.bin.csv");
  int error = 0;
  std::optional<OutputFile> first = OutputFile::OpenExclusive(path, error);
  ASSERT_TRUE(first);
  ASSERT_TRUE(first->Write("first line\r\n"));
  ASSERT_TRUE(first->Flush());

  int secondError = 0;
  EXPECT_FALSE(OutputFile::OpenExclusive(path, secondError));
  EXPECT_NE(secondError, 0);
#ifndef _WIN32
  // Windows holds the file against readers too, so this can be looked at only after Close.
  EXPECT_EQ(ReadBytes(path), "first line\r\n");  // not truncated by the failed attempt
#endif

  ASSERT_TRUE(first->Write("second line\r\n"));
  ASSERT_TRUE(first->Close());
  EXPECT_EQ(ReadBytes(path), "first line\r\nsecond line\r\n");

  // Closing ends the exclusive hold.
  EXPECT_TRUE(OutputFile::OpenExclusive(path, error));
}

TEST(ExclusiveOutputFile, ReplacesOldContentAndWritesBytesUntranslated) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("out.csv");
  WriteBytes(path, std::string(1000, 'o'));
  int error = 0;
  std::optional<OutputFile> file = OutputFile::OpenExclusive(path, error);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write(std::string_view("a\r\nb\n\0\xB5", 7)));
  ASSERT_TRUE(file->Close());
  EXPECT_EQ(ReadBytes(path), std::string("a\r\nb\n\0\xB5", 7));
}

TEST(ExclusiveOutputFile, DataBeyondTheBufferArrivesInOrder) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("big.csv");
  std::string expected;
  int error = 0;
  std::optional<OutputFile> file = OutputFile::OpenExclusive(path, error);
  ASSERT_TRUE(file);
  // Small lines across several buffer fills, then one write larger than the buffer.
  for (int i = 0; i < 20000; ++i) {
    std::string line = std::to_string(i) + ",x\r\n";
    ASSERT_TRUE(file->Write(line));
    expected += line;
  }
  std::string block(200000, 'b');
  ASSERT_TRUE(file->Write(block));
  expected += block;
  // Destruction without Close keeps what was written.
  file.reset();
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(ReplacementFile, TargetChangesOnlyAtClose) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("t.bft");
  WriteBytes(path, "old\n");
  int error = 0;
  std::optional<OutputFile> file = OutputFile::CreateReplacement(path, error);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("new\n"));
  ASSERT_TRUE(file->Flush());
  EXPECT_EQ(ReadBytes(path), "old\n");
  ASSERT_TRUE(file->Close());
  EXPECT_EQ(ReadBytes(path), "new\n");
  EXPECT_EQ(EntryCount(scratch.Path()), 1u);
}

TEST(ReplacementFile, AbandonedReplacementLeavesTargetAndNoTrace) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("t.bft");
  WriteBytes(path, "old\n");
  int error = 0;
  {
    std::optional<OutputFile> file = OutputFile::CreateReplacement(path, error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write("half"));
  }
  EXPECT_EQ(ReadBytes(path), "old\n");
  EXPECT_EQ(EntryCount(scratch.Path()), 1u);
}

#ifndef _WIN32

namespace fs = std::filesystem;

TEST(ReplacementFile, KeepsOwnerAndPermissions) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("real.bft");
  WriteBytes(path, "old\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const bool root = testing::IsRoot();
  if (root) {
    ASSERT_EQ(::chown(path.c_str(), testing::kOtherUser, testing::kOtherUser), 0);
  }

  int error = 0;
  std::optional<OutputFile> file = OutputFile::CreateReplacement(path, error);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("new\n"));
  ASSERT_TRUE(file->Close());

  EXPECT_EQ(ReadBytes(path), "new\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  struct stat replaced {};
  ASSERT_EQ(::stat(path.c_str(), &replaced), 0);
  EXPECT_EQ(replaced.st_uid, root ? testing::kOtherUser : ::geteuid());
}

// A link planted where a file is written must not make the write clobber what it points to.
TEST(OutputFile, BothKindsRefuseASymbolicLinkInTheFilesPlace) {
  ScratchDirectory scratch;
  const std::string victim = scratch.File("victim.txt");
  const std::string link = scratch.File("well.bin.csv");
  WriteBytes(victim, "precious\n");
  fs::create_symlink(victim, link);
  fs::create_symlink(scratch.File("absent.txt"), scratch.File("dangling.csv"));
  for (auto factory : {&OutputFile::OpenExclusive, &OutputFile::CreateReplacement}) {
    for (const std::string& path : {link, scratch.File("dangling.csv")}) {
      int error = 0;
      std::optional<OutputFile> file = factory(path, error);
      if (file) {
        file->Write("clobbered\n");
        file->Close();
      }
      EXPECT_FALSE(file) << path;
      EXPECT_NE(FileErrorText(error).find("symbolic link"), std::string::npos) << path;
      EXPECT_TRUE(fs::is_symlink(path)) << path;
    }
  }
  EXPECT_EQ(ReadBytes(victim), "precious\n");
  EXPECT_FALSE(fs::exists(scratch.File("absent.txt")));
  EXPECT_EQ(EntryCount(scratch.Path()), 3u);
}

// The folder lets anyone make a file there; the file's own permissions still decide whether it
// may be replaced.
TEST(ReplacementFile, AFileItsPermissionsKeepFromWritingIsNotReplaced) {
  ScratchDirectory scratch;
  fs::permissions(scratch.Path(), fs::perms::all);
  const std::string readOnly = scratch.File("read_only.reg");
  const std::string othersFile = scratch.File("others.reg");
  for (const std::string& path : {readOnly, othersFile}) WriteBytes(path, "old\n");
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(othersFile, fs::perms::owner_read | fs::perms::owner_write |
                                  fs::perms::group_read | fs::perms::others_read);

  int error = 0;
  EXPECT_FALSE(OutputFile::CreateReplacement(readOnly, error));
  EXPECT_EQ(error, EACCES);
  if (testing::IsRoot()) {
    EXPECT_TRUE(testing::RunAsOtherUser([&] {
      int childError = 0;
      return !OutputFile::CreateReplacement(readOnly, childError) &&
             !OutputFile::CreateReplacement(othersFile, childError) && childError == EACCES;
    }));
  }
  EXPECT_EQ(ReadBytes(readOnly), "old\n");
  EXPECT_EQ(ReadBytes(othersFile), "old\n");
  EXPECT_EQ(EntryCount(scratch.Path()), 2u);
  if (!testing::IsRoot()) GTEST_SKIP() << "the second user's part needs root (setuid)";
}

#endif  // _WIN32

TEST(OutputFile, BothKindsFailOnAFolderOrInAMissingFolder) {
  ScratchDirectory scratch;
  for (auto factory : {&OutputFile::OpenExclusive, &OutputFile::CreateReplacement}) {
    for (const std::string& path :
         {scratch.Path().string(), scratch.File("none/out.csv"), std::string()}) {
      int error = 0;
      EXPECT_FALSE(factory(path, error)) << path;
      EXPECT_NE(error, 0) << path;
    }
  }
  EXPECT_EQ(EntryCount(scratch.Path()), 0u);
}

}  // namespace
}  // namespace pelcon::platform
