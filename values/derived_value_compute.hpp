#pragma once

#include <string_view>

namespace pelcon {

class CDataMap;
struct DerivedFormula;

// The value function of every computed derived value (see derived_formula.hpp), on the current
// value dictionary: fetches the value's origins into result (each one's table default where its
// fetch fails), reads them in table order, and stores the formula's value under the name as a
// double (1). A value that cannot be computed for the file takes its fallback instead; a formula
// that gives nothing, or a unit family that is no generic name, stores nothing (0).
int FetchDerivedValue(std::string_view name, CDataMap& result);
// The same with the formula given.
int FetchDerivedValueBy(const DerivedFormula& formula, std::string_view name, CDataMap& result);

}  // namespace pelcon
