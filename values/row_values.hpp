#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "datalib/data_row.hpp"
#include "values/text_map.hpp"

namespace pelcon {

class CDataMap;
class LogFile;

// The stage values of the selected data record by name ("RAW_PXD", "BASE_RTD", ...) and
// "TIMESTAMP", kept as numbers. A value reaches a result map as CDataMap stores it: a reading as
// an integer, anything else as a double. That is the same text a copy through a map of texts
// gives (its "%.15g" text reads back as a double that prints the same), without formatting every
// value of every record.
class RowValues {
 public:
  struct Value {
    ValueStage stage = ValueStage::kRaw;
    int slot = -1;         // -1: the record's time stamp
    bool present = false;  // the file's reading of a RAW slot exists
    bool valid = false;    // the value may be asked for
    double number = 0.0;
  };

  // Learns the names of the file's stage tables (of two equal names the later slot counts) and
  // stores the validity flag of every name into `validity`: the file's presence of the slot, and
  // for "TIMESTAMP" that of "USER_TIMESTAMP". Every value is 0.
  void Bind(const LogFile& log, CDataMap& validity);
  // The values of a record whose stages are computed (0 for stages that are not).
  void Load(const DataRow& row);

  // The value of the name (exact spelling), or nullptr.
  const Value* Find(std::string_view name) const;
  // Stores the value under `key`.
  static void Store(const Value& value, std::string_view key, CDataMap& result);

 private:
  static void StoreValidity(const LogFile& log, CDataMap& validity);

  TextMap<std::size_t> positions_;
  std::vector<Value> values_;
};

}  // namespace pelcon
