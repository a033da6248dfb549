#pragma once

#include <string_view>

namespace pelcon {

class CDataMap;

// Stores a value given as text under the name with its type: 2 as an integer, 3 as a double,
// 13 as a date-time; any other type stores nothing. Returns 1.
int SetValueFromText(CDataMap& result, std::string_view name, std::string_view text, int type);

}  // namespace pelcon
