#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datalib/data_map.hpp"
#include "datalib/data_table.hpp"
#include "values/text_map.hpp"

namespace pelcon {

// One compiled-in row: valueName is computed from originName. colValid 1 marks an origin that
// may be missing when a record is evaluated (its default is used then).
struct DerivedValueRow {
  std::string_view valueName;
  std::string_view originName;
  int colValid;
  std::string_view defaultValue;
  int defaultValueType;
};

// The 72 rows in table order: each value's origins in the order its function reads them, and
// every value after the values it is computed from.
std::span<const DerivedValueRow> DerivedValueRows();

// The origins of every derived value and, per attached file, which of them the file has.
// Columns: "ValueName", "OriginName", "ColValid", "DefaultVal", "DefaultValType".
class DerivedValueTable {
 public:
  // One origin of a derived value as the table holds it for the attached file.
  struct Origin {
    std::string name;
    bool colValid = false;
    std::string defaultValue;
    int defaultValueType = 0;
  };

  DerivedValueTable();  // the columns, no rows

  // Back to the compiled-in rows and their static ColValid; forgets every availability.
  void RebuildRows();

  // Decides once per file which derived values can be computed: an origin the file has gets
  // ColValid 1, and each value's availability is recorded per file (origins that do not change
  // from record to record) or per row.
  void ComputeAvailability(const CDataMap& rootValidity, const CDataMap& rowValidity,
                           const CDataMap& appliedValidity);

  // The origins of a value in table order, or nullptr when the table has no rows for it.
  const std::vector<Origin>* OriginsOf(std::string_view valueName) const;
  // Whether the value is itself an origin of another derived value ("GRAVITY", "DEPTH_FEET").
  bool IsOriginOfAnother(std::string_view valueName) const {
    return feedingValues_.contains(valueName);
  }

  const CDataTable& Table() const { return table_; }
  // Flags by value name for the values that have a "ZERO" origin (a constant default).
  const CDataMap& ConstantOrigins() const { return constantOrigins_; }
  const CDataMap& FileAvailability() const { return fileAvailability_; }
  const CDataMap& RowAvailability() const { return rowAvailability_; }
  bool RowsLoaded() const { return rowsLoaded_; }
  bool Prepared() const { return prepared_; }

 private:
  // Decides one value from its rows (a selection of the table) and writes them back.
  void ComputeValue(std::string_view valueName, const CDataMap& rootValidity,
                    const CDataMap& rowValidity, const CDataMap& appliedValidity);
  // The origins by value, read from the table, so that a query needs no selection.
  void IndexOrigins();

  CDataTable table_;
  CDataMap constantOrigins_;
  CDataMap fileAvailability_;
  CDataMap rowAvailability_;
  TextMap<std::vector<Origin>> origins_;
  TextMap<bool> feedingValues_;  // the derived values that are origins of others
  bool rowsLoaded_ = false;
  bool prepared_ = false;
};

}  // namespace pelcon
