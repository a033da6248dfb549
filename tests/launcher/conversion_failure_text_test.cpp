#include "launcher/conversion_failure_text.hpp"

#include <gtest/gtest.h>

namespace pelcon::launcher {
namespace {

TEST(ConversionFailureText, KeepsTheLineScriptsRead) {
  EXPECT_EQ(ConversionFailedLine(0x81000003u), "File conversion failed: 81000003");
  EXPECT_EQ(ConversionFailedLine(0x8000FFFFu), "File conversion failed: 8000FFFF");
}

// Every result code the converter returns has words of its own, not the catch-all.
TEST(ConversionFailureText, EveryResultCodeOfTheConverterIsExplained) {
  const std::string unknown = ExplainConversionFailure({0x80001234u, "a.bin", "a.bin.csv"});
  EXPECT_NE(unknown.find("unexpected result"), std::string::npos) << unknown;
  for (const std::uint32_t code : {0x80004005u, 0x8000FFFFu, 0x8007000Eu, 0x81000001u, 0x81000002u,
                                   0x81000003u, 0x81000004u}) {
    SCOPED_TRACE(code);
    EXPECT_NE(ExplainConversionFailure({code, "a.bin", "a.bin.csv"}), unknown);
  }
  EXPECT_EQ(ExplainConversionFailure({0x80004005u, "a.txt", "a.txt.csv"}),
            "Only log files whose names end in .bin are converted");
  EXPECT_NE(ExplainConversionFailure({0x81000003u, "a.bin", "a.bin.csv", true}),
            ExplainConversionFailure({0x81000003u, "a.bin", "a.bin.csv", false}));
}

}  // namespace
}  // namespace pelcon::launcher
