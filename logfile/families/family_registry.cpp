// The device families, one line each: a family folder is added here and nowhere else.

#include "logfile/families/lodax/lodax_family.hpp"
#include "logfile/families/vorta/vorta_family.hpp"

namespace pelcon {

std::span<const LogFamily* const> LogFamilies() {
  static const LogFamily* const kFamilies[] = {
      &LodaxFamily(),
      &VortaFamily(),
  };
  return kFamilies;
}

}  // namespace pelcon
