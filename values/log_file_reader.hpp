#pragma once

#include <mutex>
#include <string>
#include <string_view>

#include "logfile/log_file.hpp"
#include "logfile/log_loader.hpp"
#include "logfile/stage_formulas.hpp"
#include "values/value_dictionary.hpp"

namespace pelcon {

class CDataMap;

// The one way to a log file for the conversion: loads the whole file into memory, steps
// through its data records and answers value queries for the current record through its value
// dictionary, which it attaches to the file on the first record or value operation.
//
// FirstRecord holds the state lock and NextRecord the record lock while they run; Open, Close,
// GetValue and GetValueAttribute take no lock and must not run while another thread steps the
// same reader.
class LogFileReader {
 public:
  // Stage values are computed with the instruments' calibration.
  LogFileReader();
  // Stage values are computed with the given formulas, which must outlive the reader.
  explicit LogFileReader(const StageFormulas& formulas);
  ~LogFileReader();
  LogFileReader(const LogFileReader&) = delete;
  LogFileReader& operator=(const LogFileReader&) = delete;

  // Closes, then loads the file. Nonzero on success; on failure the reader is empty.
  int Open(const std::string& path);
  // Open, telling what the load met: why a file failed to load, with the offending value.
  LoadResult Load(const std::string& path);
  // 0 with record 0 current, or -1 (nothing loaded, no records, or the record cannot be made
  // current).
  int FirstRecord();
  // index + 1 with that record current, or -1 (past the last record: the last record stays
  // current).
  int NextRecord(int index);
  // The value of the name at the current record into result; 0 when nothing is loaded.
  int GetValue(std::string_view name, CDataMap& result);
  // An attribute of the name ("AttribValueStr": the cell text of the value GetValue left in
  // result); 0 when nothing is loaded.
  int GetValueAttribute(std::string_view name, std::string_view attribute, CDataMap& result);
  // Forgets the file and everything derived from it.
  void Close();

  const LogFile& Log() const { return log_; }
  // Set by every Open, successful or not; cleared by Close.
  bool IsOpened() const { return opened_; }
  // The last opened file's name without directory and extension; empty after Close.
  const std::string& FileTitle() const { return title_; }

 private:
  // The file is valid; attaches the dictionary on first use. True when attached.
  bool IsLoaded();

  LogFile log_;
  ValueDictionary dictionary_;
  bool valid_ = false;  // the loaded file passed its validation
  bool opened_ = false;
  std::string title_;
  std::mutex stateLock_;
  std::mutex recordLock_;
};

}  // namespace pelcon
