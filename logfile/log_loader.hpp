#pragma once

// Reads a whole log file into a LogFile: header blocks, trailer, conversion to host byte order,
// the derived facts, and one DataRow per record. The file is read whole once and decoded from
// memory; every read is bounded by the buffer it fills.

#include <span>
#include <string>

#include "logfile/log_file.hpp"

namespace pelcon {

enum class LoadError {
  kNone,
  kUnreadable,     // the file cannot be read
  kFirstBlock,     // the file starts with neither 100 nor 102
  kBlockCount,     // a number of header blocks the family does not allow
  kChannelCount,   // a test definition with more than 42 channels
  kTooManyValues,  // channel codes that expand to more than 40 values a record
  kInvalid,        // no test definition, a missing block, or an unknown device
};

struct LoadResult {
  LoadError error = LoadError::kNone;
  std::string detail;  // what was wrong, with the offending value

  explicit operator bool() const { return error == LoadError::kNone; }
};

class LogLoader {
 public:
  // Fills `log` from the bytes of a log file. On failure `log` is left empty.
  static LoadResult Load(std::span<const std::uint8_t> bytes, LogFile& log);
  // Reads the file whole, then Load.
  static LoadResult LoadFile(const std::string& path, LogFile& log);
};

}  // namespace pelcon
