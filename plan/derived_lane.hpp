#pragma once

#include <optional>
#include <string_view>

#include "datalib/data_map.hpp"
#include "values/value_dictionary.hpp"

namespace pelcon {

class DataRow;
class LogFile;

// The derived values (depth, salinity, elapsed time, ...) of one record, computed by a value
// dictionary of the evaluator's own over the record's stages, so that they are the dictionary's
// values by construction.
class DerivedLane {
 public:
  explicit DerivedLane(const LogFile& log);

  // The record whose stages `row` holds becomes current.
  void Select(const DataRow& row);
  // The value of a derived value at the current record, at its "%.15g" precision; nothing when
  // the dictionary gives none.
  std::optional<double> Evaluate(std::string_view name);

 private:
  ValueDictionary dictionary_;
  // Reused from record to record; a query writes every entry it reads.
  CDataMap result_;
};

}  // namespace pelcon
