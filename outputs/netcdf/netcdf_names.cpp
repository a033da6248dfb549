#include "outputs/netcdf/netcdf_names.hpp"

namespace pelcon::outputs {

std::string NetcdfNames::Unique(std::string_view text) {
  std::string name;
  for (const char c : text) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (c >= 'A' && c <= 'Z') {
      name.push_back(static_cast<char>(c - 'A' + 'a'));
    } else if (letter) {
      name.push_back(c);
    } else if (!name.empty() && name.back() != '_') {
      name.push_back('_');
    }
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  if (name.empty()) name = "field";
  if (name.front() >= '0' && name.front() <= '9') name.insert(0, "v_");
  std::string unique = name;
  for (int repeat = 2; !used_.insert(unique).second; ++repeat) {
    unique = name + "_" + std::to_string(repeat);
  }
  return unique;
}

}  // namespace pelcon::outputs
