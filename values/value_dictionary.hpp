#pragma once

#include <string>
#include <string_view>

#include "datalib/data_map.hpp"
#include "logfile/value_attribute_table.hpp"
#include "values/applied_value_table.hpp"
#include "values/derived_value_memo.hpp"
#include "values/derived_value_table.hpp"
#include "values/row_values.hpp"
#include "values/value_functions.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {

class LogFile;

// Answers what the value of a name is for the selected data record of the attached log file:
// a root value (per-file constant), a row value (stage value of the record), an applied value
// (a generic name bound to a stage value) or a derived value. Every answer goes into the
// caller's CDataMap under the requested name, with "ErrCode" and "ErrStr".
//
// Every public operation makes this dictionary the current one of the calling thread; the value
// functions work on the current dictionary. Current dictionaries are per thread, so that two
// conversions on two threads never evaluate against each other's file.
class ValueDictionary {
 public:
  ValueDictionary();
  ~ValueDictionary();
  ValueDictionary(const ValueDictionary&) = delete;
  ValueDictionary& operator=(const ValueDictionary&) = delete;

  // Loads the file's root values and value validity, binds the applied values and decides which
  // derived values the file can give. The log file must outlive the attachment.
  void AttachLogFile(LogFile& log);
  // Forgets the file: no values, tables back to their compiled-in rows.
  void DetachLogFile();

  // Makes data record `index` (-1: the last one) current. 1 on success; 0 when there is no such
  // record or it cannot be computed, and then no record is selected.
  int SelectRow(int index);
  void ClearRow();

  // The value of the name (letter case ignored for the lookup) into result. 1 on success, 0 on
  // failure with the codes in "ErrCode".
  int ResolveValue(std::string_view name, CDataMap& result);
  // An attribute of the name ("AttribValueStr" formats the value result holds under the name).
  int ResolveAttribute(std::string_view name, std::string_view attribute, CDataMap& result);

  // The function that computes the name's value: upper-cased name, then its alias; nullptr when
  // neither is registered.
  ValueFunction FindValueFunction(std::string_view name) const;

  // What the value functions ask of their dictionary.
  int FetchRootValue(std::string_view name, CDataMap& result);
  int FetchRowValue(std::string_view name, CDataMap& result);
  // The frame of every derived value: fetches the value's origins into result, each one's
  // default where its fetch fails. 0 (code 1024 or 2048) when the value cannot be computed for
  // this file.
  int PrepareDerivedValue(std::string_view name, CDataMap& result);
  // The value of a derived value that cannot be computed: its constant default (1), or the zero
  // function's 0.0 (0).
  int FallbackDerivedValue(std::string_view name, CDataMap& result);
  // The parameter type bound to a generic name; 0 with code 256 for a name that is none.
  int FetchAppliedType(std::string_view name, int& type, CDataMap& result);

  bool IsAttached() const { return attached_; }
  bool IsRowSelected() const { return rowSelected_; }
  const CDataMap& RootValues() const { return rootValues_; }
  const CDataMap& RootValidity() const { return rootValidity_; }
  const CDataMap& RowValidity() const { return rowValidity_; }
  const RowValues& RowValueTable() const { return rowValues_; }
  const AppliedValueTable& AppliedValues() const { return applied_; }
  const DerivedValueTable& DerivedValues() const { return derived_; }
  const ValueAttributeTable& Attributes() const { return attributes_; }

 private:
  void MakeCurrent();
  void LoadRootValues();
  // Copies the value stored in source under `from` into result under `to`, with its type.
  static int CopyValue(const CDataMap& source, std::string_view from, std::string_view to,
                       CDataMap& result);

  LogFile* log_ = nullptr;
  bool attached_ = false;
  bool rowSelected_ = false;
  CDataMap rootValues_;
  CDataMap rootValidity_;
  RowValues rowValues_;
  CDataMap rowValidity_;
  AppliedValueTable applied_;
  DerivedValueTable derived_;
  DerivedValueMemo derivedResults_;
  ValueAttributeTable attributes_;
};

// The calling thread's current dictionary (the last one that ran an operation on it), or
// nullptr.
ValueDictionary* CurrentValueDictionary();

// Runs call(dictionary) on the current dictionary. Without one nothing is attached: code 1 is
// reported into result and the answer is 0.
template <typename Call>
int OnCurrentDictionary(CDataMap& result, Call call);

template <typename Call>
int OnCurrentDictionary(CDataMap& result, Call call) {
  ValueDictionary* dictionary = CurrentValueDictionary();
  if (dictionary == nullptr) {
    ReportResult(kResultFailed, result);
    return 0;
  }
  return call(*dictionary);
}

}  // namespace pelcon
