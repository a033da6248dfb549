// libFuzzer harness: any bytes as a log file, converted with a template of every column and every
// header section, so that the whole path from the loader to the CSV text sees them.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "component/conversion_driver.hpp"
#include "export/column_name_table.hpp"
#include "fuzz/fuzz_support.hpp"

namespace {

std::string EveryColumnTemplate() {
  std::string text = ",\n-----\n";
  for (const pelcon::ColumnName& column : pelcon::ColumnNameTable()) {
    text.append(column.displayName).push_back('\n');
  }
  text.append(
      "Header General Info Enabled\nHeader Device Info Enabled\nHeader Test Info Enabled\n"
      "Header Test Def Enabled\n");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Zero start stamps and Event records without seconds read the clock; keep runs repeatable.
  setenv("PELCON_NOW", "2010-06-01 12:00:00", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const pelcon::fuzz::SilentNotices silent;
  static const pelcon::fuzz::ScratchFolder folder;
  static std::string templatePath = folder.Write("every_column.bft", EveryColumnTemplate());
  const std::string logPath = folder.Write("log.bin", pelcon::fuzz::TextOf(data, size));
  pelcon::ConvertLogFile(logPath, templatePath, nullptr, nullptr);
  return 0;
}
