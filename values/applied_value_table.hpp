#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "datalib/data_map.hpp"
#include "datalib/data_table.hpp"
#include "values/text_map.hpp"

namespace pelcon {

class LogFile;

// One compiled-in row: a generic name, the parameter type of the channel it binds to (which also
// selects the unit family) and the stage it binds in (0 RAW, 1 COOKED, 2 BASE, 3 USER).
struct AppliedValueRow {
  std::string_view functionName;
  int channelType;
  int metaType;
};

// The 28 rows in table order.
std::span<const AppliedValueRow> AppliedValueRows();

// Binds generic names such as "DEGREES_C" to the first matching stage value of the attached log
// file ("BASE_RTD") and knows each generic name's parameter type. Columns: "FunctionName",
// "WQNo" (the bound code, -1 while unbound), "ChannelType", "ColValid" (the bound value's
// presence), "MetaType".
class AppliedValueTable {
 public:
  AppliedValueTable();  // the columns, no rows

  // Back to the compiled-in rows, all unbound; forgets every binding.
  void RebuildRows();

  // Binds each generic name to the first entry, in stage and slot order, of its parameter type
  // in its stage. Every further entry of that type only adds a port-qualified validity flag
  // ("DEGREES_C(P1)").
  void BindAppliedValues(const LogFile& log);

  // 1 with the stage value name the generic name is bound to (letter case significant), else 0
  // with the empty text.
  int FindAlias(std::string_view name, std::string& alias) const;
  // The same without a copy: the bound name, or nullptr.
  const std::string* FindAlias(std::string_view name) const;

  // 1 with the parameter type of the generic name; 0 and code 256 reported into result when the
  // table has no such name.
  int FetchAppliedType(std::string_view name, int& type, CDataMap& result) const;

  // The bindings as (generic name, stage value name) pairs in table order.
  std::vector<std::pair<std::string, std::string>> AliasPairs() const;

  const CDataTable& Table() const { return table_; }
  // Presence flags by generic name and by port-qualified name.
  const CDataMap& Validity() const { return validity_; }
  bool RowsLoaded() const { return rowsLoaded_; }
  bool Prepared() const { return prepared_; }

 private:
  void Bind(int row, std::string_view functionName, std::string_view valueName, int code,
            int presence);
  void StorePortValidity(std::string_view functionName, int code, int presence);

  CDataTable table_;
  TextMap<std::string> alias_;
  TextMap<int> channelType_;  // of the first row of each name
  CDataMap validity_;
  bool rowsLoaded_ = false;
  bool prepared_ = false;
};

}  // namespace pelcon
