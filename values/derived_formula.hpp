#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "values/derived_value_table.hpp"

namespace pelcon {

// What the formula of a derived value reads: its origins in the order the derived value table
// lists them (DerivedValueRows), and the unit family its formula converts in.
struct DerivedInputs {
  // Each origin as a double; NaN where it holds none, so that a missing origin never passes for
  // a measured 0.
  std::span<const double> numbers;
  // Each origin as an integer; kNoFlag where it holds none.
  std::span<const std::int32_t> flags;
  // The unit family (ChannelType) of the formula's generic name; 0 when it names none.
  int family = 0;

  static constexpr std::int32_t kNoFlag = std::numeric_limits<std::int32_t>::max();
};

// Nothing when the value cannot be given for this record.
using DerivedCompute = std::optional<double> (*)(const DerivedInputs& inputs);

struct DerivedFormula {
  std::string_view name;
  // The generic name whose unit family the formula converts in; empty for none. A name that is
  // no generic name leaves the value without a result.
  std::string_view familyName;
  // nullptr: the value is never computed (the zero function answers it).
  DerivedCompute compute;
  // The origins' rows of the derived value table, in order.
  std::span<const DerivedValueRow> origins;
};

// Every derived value, in registration order.
std::span<const DerivedFormula> DerivedFormulas();
// The formula of a value name (exact spelling), or nullptr.
const DerivedFormula* FindDerivedFormula(std::string_view name);

// The most origins any derived value has.
inline constexpr std::size_t kMostDerivedOrigins = 8;

}  // namespace pelcon
