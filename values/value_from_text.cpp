#include "values/value_from_text.hpp"

#include <cstdint>

#include "datalib/data_map.hpp"
#include "datalib/number_text.hpp"
#include "datalib/type_codes.hpp"
#include "datalib/typed_value_text.hpp"

namespace pelcon {

int SetValueFromText(CDataMap& result, std::string_view name, std::string_view text, int type) {
  switch (type) {
    case kTypeInt:
      result.SetInt(name, static_cast<std::int32_t>(ReadInteger(text)));
      break;
    case kTypeDouble:
      result.SetDouble(name, ReadFloating(text));
      break;
    case kTypeCOleDateTime: {
      DateTimeValue value;
      TextToValue(kTypeCOleDateTime, text, result.separator(), &value);
      result.SetDateTime(name, value);
      break;
    }
    default:
      break;
  }
  return 1;
}

}  // namespace pelcon
