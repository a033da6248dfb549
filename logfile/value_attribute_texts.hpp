#pragma once

#include <optional>
#include <string_view>

namespace pelcon {

// The alias, unit type and unit texts behind the identifiers of the value attribute rows
// (22100 to 22999), 8-bit Windows-1252 like every text of the component. No text for an
// identifier outside the table, as for a string resource that cannot be loaded.
std::optional<std::string_view> ValueAttributeText(int id);

}  // namespace pelcon
