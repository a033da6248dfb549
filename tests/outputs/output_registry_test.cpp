#include <gtest/gtest.h>

#include <set>
#include <string>

#include "outputs/output_format.hpp"

namespace pelcon::outputs {
namespace {

TEST(OutputRegistry, CsvFirstNamesUniqueEachFoundByItsName) {
  const std::span<const OutputFormat> formats = OutputFormats();
  ASSERT_FALSE(formats.empty());
  EXPECT_EQ(formats.front().name, "csv");
  EXPECT_EQ(formats.front().extension, ".csv");
  EXPECT_FALSE(formats.front().writesByPath);
  std::set<std::string_view> names;
  for (const OutputFormat& format : formats) {
    EXPECT_TRUE(names.insert(format.name).second) << format.name;
    EXPECT_EQ(FindOutputFormat(format.name), &format);
    EXPECT_EQ(format.extension.front(), '.');
    EXPECT_NE(format.open, nullptr);
  }
  EXPECT_EQ(FindOutputFormat("nope"), nullptr);
  EXPECT_EQ(FindOutputFormat(""), nullptr);
  EXPECT_EQ(OutputFormatNames(", ").substr(0, 3), "csv");
}

TEST(OutputRegistry, WorkbookAndNetcdfWhenBuiltWithThem) {
  const OutputFormat* xlsx = FindOutputFormat("xlsx");
  const OutputFormat* netcdf = FindOutputFormat("netcdf");
#ifdef PELCON_TYPED_OUTPUTS
  ASSERT_NE(xlsx, nullptr);
  ASSERT_NE(netcdf, nullptr);
  EXPECT_EQ(OutputFormatNames(", "), "csv, xlsx, netcdf");
#endif
  // Both libraries open their files by name.
  if (xlsx != nullptr) {
    EXPECT_EQ(xlsx->extension, ".xlsx");
    EXPECT_TRUE(xlsx->writesByPath);
  }
  if (netcdf != nullptr) {
    EXPECT_EQ(netcdf->extension, ".nc");
    EXPECT_TRUE(netcdf->writesByPath);
  }
}

TEST(OutputRegistry, DefaultNameIsTheLogFilesNameAndTheExtension) {
  EXPECT_EQ(DefaultNamePattern(*FindOutputFormat("csv")), "{name}.csv");
  if (const OutputFormat* netcdf = FindOutputFormat("netcdf")) {
    EXPECT_EQ(DefaultNamePattern(*netcdf), "{name}.nc");
  }
}

}  // namespace
}  // namespace pelcon::outputs
