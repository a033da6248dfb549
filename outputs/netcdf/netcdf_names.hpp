#pragma once

#include <set>
#include <string>
#include <string_view>

namespace pelcon::outputs {

// Turns labels and value names into NetCDF names: lower case letters, digits and underscores,
// each name given once ("_2", "_3" for repeats).
class NetcdfNames {
 public:
  std::string Unique(std::string_view text);

 private:
  std::set<std::string> used_;
};

}  // namespace pelcon::outputs
