#include "values/derived_value_compute.hpp"

#include <array>
#include <limits>

#include "datalib/data_map.hpp"
#include "values/derived_formula.hpp"
#include "values/derived_value_frame.hpp"

namespace pelcon {

int FetchDerivedValue(std::string_view name, CDataMap& result) {
  // A name in another letter case has no formula, nor origins: it takes its fallback.
  static const DerivedFormula kNoFormula{};
  const DerivedFormula* formula = FindDerivedFormula(name);
  return FetchDerivedValueBy(formula != nullptr ? *formula : kNoFormula, name, result);
}

int FetchDerivedValueBy(const DerivedFormula& formula, std::string_view name, CDataMap& result) {
  if (PrepareDerivedValue(name, result) == 0) return FallbackDerivedValue(name, result);
  if (formula.compute == nullptr) return 0;
  DerivedInputs inputs;
  if (!formula.familyName.empty() &&
      FetchAppliedType(formula.familyName, inputs.family, result) == 0) {
    return 0;
  }
  std::array<double, kMostDerivedOrigins> numbers;
  std::array<std::int32_t, kMostDerivedOrigins> flags;
  const std::size_t count = formula.origins.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view origin = formula.origins[i].originName;
    numbers[i] = std::numeric_limits<double>::quiet_NaN();
    result.GetDouble(origin, &numbers[i]);
    flags[i] = DerivedInputs::kNoFlag;
    result.GetInt(origin, &flags[i]);
  }
  inputs.numbers = std::span<const double>(numbers.data(), count);
  inputs.flags = std::span<const std::int32_t>(flags.data(), count);
  const std::optional<double> value = formula.compute(inputs);
  if (!value) return 0;
  result.SetDouble(name, *value);
  return 1;
}

}  // namespace pelcon
