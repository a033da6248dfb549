#pragma once

#include <span>
#include <string_view>

#include "values/value_functions.hpp"

namespace pelcon {

struct DerivedValueFunction {
  std::string_view name;
  ValueFunction function;
};

// The function of every derived value name, in registration order.
std::span<const DerivedValueFunction> DerivedValueFunctions();

}  // namespace pelcon
