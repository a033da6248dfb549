#include "datalib/type_codes.hpp"

#include <array>
#include <string>
#include <unordered_map>

namespace pelcon {
namespace {

// The only place where the type names are defined; row i is code i.
constexpr std::array<std::string_view, kTypeCodeCount> kTypeNames = {
    "UNKNOWN",
    "CString",
    "int",
    "double",
    "DWORD",
    "BOOL",
    "UINT",
    "long",
    "float",
    "short",
    "BYTE",
    "COleDate",
    "COleTime",
    "COleDateTime",
    "COleCurrency",
    "WORD",
    "CStringArray",
    "IntArray",
    "DoubleArray",
    "DWORDArray",
    "BOOLArray",
    "UINTArray",
    "LongArray",
    "FloatArray",
    "ShortArray",
    "BYTEArray",
    "COleDateArray",
    "COleTimeArray",
    "COleDateTimeArray",
    "COleCurrencyArray",
    "WORDArray",
    "RGB",
    "CRect",
    "CPoint",
    "RGBArray",
    "CRectArray",
    "CPointArray",
};

// Name -> code, filled once from the rows above (a function-local static, so the first call
// builds it safely even if two threads race).
const std::unordered_map<std::string_view, int>& CodesByName() {
  static const std::unordered_map<std::string_view, int> codes = [] {
    std::unordered_map<std::string_view, int> map;
    for (int code = 0; code < kTypeCodeCount; ++code) map.emplace(kTypeNames[code], code);
    return map;
  }();
  return codes;
}

}  // namespace

std::string_view DataTypeName(int code) {
  if (code < 0 || code >= kTypeCodeCount) return {};
  return kTypeNames[static_cast<std::size_t>(code)];
}

int DataTypeCode(std::string_view name) {
  const auto& codes = CodesByName();
  const auto found = codes.find(name);
  return found == codes.end() ? kTypeUnknown : found->second;
}

}  // namespace pelcon
