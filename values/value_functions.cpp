#include "values/value_functions.hpp"

#include "datalib/data_map.hpp"
#include "values/value_dictionary.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {

int FetchZero(std::string_view name, CDataMap& result) {
  result.SetDouble(name, 0.0);
  ReportResult(kResultFailed, result);
  return 0;
}

int FetchRootValue(std::string_view name, CDataMap& result) {
  return OnCurrentDictionary(
      result, [&](ValueDictionary& dictionary) { return dictionary.FetchRootValue(name, result); });
}

int FetchRowValue(std::string_view name, CDataMap& result) {
  return OnCurrentDictionary(
      result, [&](ValueDictionary& dictionary) { return dictionary.FetchRowValue(name, result); });
}

}  // namespace pelcon
