#pragma once

#include <string>
#include <string_view>

namespace pelcon::platform {

// A hidden name in target's folder, ".<name><tag><process>-<count>", that no other writer in this
// or another process uses at the same time: where an output is written before it takes its name.
std::string SiblingName(const std::string& target, std::string_view tag);

}  // namespace pelcon::platform
