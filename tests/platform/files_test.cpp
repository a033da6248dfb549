#include "platform/files.hpp"

#include <gtest/gtest.h>

#include "tests/platform/scratch_directory.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;

TEST(FileExists, CountsFilesAndFoldersButNotMissingPaths) {
  ScratchDirectory scratch;
  WriteBytes(scratch.File("a.bin"), "");
  EXPECT_TRUE(FileExists(scratch.File("a.bin")));
  EXPECT_TRUE(FileExists(scratch.Path().string()));
  EXPECT_FALSE(FileExists(scratch.File("b.bin")));
  EXPECT_FALSE(FileExists(""));
}

TEST(ReadWholeFile, ReturnsEveryByteAsStored) {
  ScratchDirectory scratch;
  const std::string bytes("a\r\n\0\xB5\n", 6);
  WriteBytes(scratch.File("t.bft"), bytes);
  std::string read = "stale";
  int error = 0;
  ASSERT_TRUE(ReadWholeFile(scratch.File("t.bft"), read, error));
  EXPECT_EQ(read, bytes);
}

TEST(ReadWholeFile, FolderAndMissingFileFailWithAnErrorText) {
  ScratchDirectory scratch;
  std::string read;
  int error = 0;
  EXPECT_FALSE(ReadWholeFile(scratch.Path().string(), read, error));
  EXPECT_NE(error, 0);
  error = 0;
  EXPECT_FALSE(ReadWholeFile(scratch.File("missing"), read, error));
  EXPECT_NE(error, 0);
  EXPECT_FALSE(FileErrorText(error).empty());
  EXPECT_NE(FileErrorText(error), FileErrorText(0));
}

}  // namespace
}  // namespace pelcon::platform
