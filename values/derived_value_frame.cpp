#include "values/derived_value_frame.hpp"

#include "values/value_dictionary.hpp"

namespace pelcon {

int PrepareDerivedValue(std::string_view name, CDataMap& result) {
  return OnCurrentDictionary(result, [&](ValueDictionary& dictionary) {
    return dictionary.PrepareDerivedValue(name, result);
  });
}

int FallbackDerivedValue(std::string_view name, CDataMap& result) {
  return OnCurrentDictionary(result, [&](ValueDictionary& dictionary) {
    return dictionary.FallbackDerivedValue(name, result);
  });
}

int FetchAppliedType(std::string_view name, int& type, CDataMap& result) {
  return OnCurrentDictionary(result, [&](ValueDictionary& dictionary) {
    return dictionary.FetchAppliedType(name, type, result);
  });
}

}  // namespace pelcon
