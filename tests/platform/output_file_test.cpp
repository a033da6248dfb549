#include "platform/output_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/scratch_directory.hpp"

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

TEST(ReplacementFile, KeepsPermissionsAndSymbolicLinks) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: POSIX permission bits and symbolic links";
#endif
  ScratchDirectory scratch;
  const std::string real = scratch.File("real.bft");
  const std::string link = scratch.File("link.bft");
  WriteBytes(real, "old\n");
  namespace fs = std::filesystem;
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(real, link);

  int error = 0;
  std::optional<OutputFile> file = OutputFile::CreateReplacement(link, error);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("new\n"));
  ASSERT_TRUE(file->Close());

  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), "new\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

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
