#include "platform/staged_output.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::ReadBytes;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;

std::size_t EntryCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(StagedOutput, TakesItsNameOnlyWhenPublished) {
  ScratchDirectory scratch;
  const std::string target = scratch.File("out.csv");
  int error = 0;
  std::optional<StagedOutput> output = StagedOutput::Create(target, error);
  ASSERT_TRUE(output) << FileErrorText(error);
  ASSERT_TRUE(output->Write("a,b\r\n"));
  EXPECT_FALSE(std::filesystem::exists(target));
  ASSERT_TRUE(output->Publish(false)) << FileErrorText(output->Error());
  EXPECT_EQ(ReadBytes(target), "a,b\r\n");
  EXPECT_EQ(EntryCount(scratch.Path()), 1u);
}

TEST(StagedOutput, AnUnpublishedOutputLeavesNothing) {
  ScratchDirectory scratch;
  int error = 0;
  {
    std::optional<StagedOutput> output = StagedOutput::Create(scratch.File("out.csv"), error);
    ASSERT_TRUE(output);
    ASSERT_TRUE(output->Write("partial"));
  }
  EXPECT_EQ(EntryCount(scratch.Path()), 0u);
}

TEST(StagedOutput, ReplacesAnExistingFileOnlyWhenAsked) {
  ScratchDirectory scratch;
  const std::string target = scratch.File("out.csv");
  WriteBytes(target, "old");
  int error = 0;
  std::optional<StagedOutput> output = StagedOutput::Create(target, error);
  ASSERT_TRUE(output);
  ASSERT_TRUE(output->Write("new"));
  EXPECT_FALSE(output->Publish(false));
  EXPECT_TRUE(IsExistsError(output->Error())) << FileErrorText(output->Error());
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(EntryCount(scratch.Path()), 1u);

  output = StagedOutput::Create(target, error);
  ASSERT_TRUE(output);
  ASSERT_TRUE(output->Write("new"));
  ASSERT_TRUE(output->Publish(true)) << FileErrorText(output->Error());
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_EQ(EntryCount(scratch.Path()), 1u);
}

}  // namespace
}  // namespace pelcon::platform
