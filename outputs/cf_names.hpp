#pragma once

#include <string_view>

namespace pelcon::outputs {

// How a value is described in a CF file.
struct CfDescription {
  std::string_view units;         // UDUNITS; empty when unknown
  std::string_view standardName;  // empty when CF has none for it
};

// The description of a value name ("DEGREES_C"); empty for a value the table does not know.
CfDescription CfDescriptionOf(std::string_view valueName);

}  // namespace pelcon::outputs
