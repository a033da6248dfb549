#pragma once

#include <cstdint>
#include <string>

namespace pelcon::launcher {

// What the launcher knows of a conversion that failed.
struct ConversionFailure {
  std::uint32_t result = 0;  // the converter's result code
  std::string logFilePath;
  std::string csvPath;         // where the CSV file was to be written
  bool templateGiven = false;  // -t named a template
  int outputError = 0;         // the system's reason the CSV file failed, 0 when none
};

// "File conversion failed: XXXXXXXX", the line scripts read.
std::string ConversionFailedLine(std::uint32_t result);

// One line after it, in plain words: what happened and what to do.
std::string ExplainConversionFailure(const ConversionFailure& failure);

}  // namespace pelcon::launcher
