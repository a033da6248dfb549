#include "plan/derived_nodes.hpp"

#include <limits>

#include "datalib/data_map.hpp"
#include "plan/row_value_lookup.hpp"
#include "values/derived_value_compute.hpp"
#include "values/value_dictionary.hpp"
#include "values/value_from_text.hpp"

namespace pelcon {
namespace {

// Sets the origin's number and flag as the formula frame reads them back from a result map.
void ReadBack(const CDataMap& result, std::string_view name, DerivedOrigin& origin) {
  origin.number = std::numeric_limits<double>::quiet_NaN();
  result.GetDouble(name, &origin.number);
  origin.flag = DerivedInputs::kNoFlag;
  result.GetInt(name, &origin.flag);
}

}  // namespace

bool IsDerivedValueAvailable(const ValueDictionary& dictionary, std::string_view name) {
  const auto* origins = dictionary.DerivedValues().OriginsOf(name);
  if (origins == nullptr) return false;
  for (const DerivedValueTable::Origin& origin : *origins) {
    if (!origin.colValid) return false;
  }
  return true;
}

DerivedOrigin DerivedNodes::OriginOf(ValueDictionary& dictionary, const DerivedValueRow& row) {
  DerivedOrigin origin;
  const std::string_view name = row.originName;
  const ValueFunction function = dictionary.FindValueFunction(name);
  // What the frame stores when the origin gives nothing.
  CDataMap fallback;
  SetValueFromText(fallback, name, row.defaultValue, row.defaultValueType);
  ReadBack(fallback, name, origin);
  if (function == FetchDerivedValue && IsDerivedValueAvailable(dictionary, name)) {
    origin.kind = DerivedOrigin::Kind::kDerived;
    origin.node = NodeOf(dictionary, name);
    return origin;
  }
  if (function == FetchRowValue) {
    // A value the file lacks fails at every record: the default stays.
    if (const std::optional<RecordSlot> record = FindRecordSlot(dictionary, name)) {
      origin.kind = DerivedOrigin::Kind::kRecord;
      origin.record = *record;
    }
    return origin;
  }
  // Anything else does not depend on the record: ask the dictionary once, as the frame would.
  CDataMap result;
  if (dictionary.ResolveValue(name, result) == 0) {
    SetValueFromText(result, name, row.defaultValue, row.defaultValueType);
  }
  ReadBack(result, name, origin);
  return origin;
}

std::size_t DerivedNodes::NodeOf(ValueDictionary& dictionary, std::string_view name) {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == name) return i;
  }
  const DerivedFormula* formula = FindDerivedFormula(name);
  DerivedNode node;
  if (formula != nullptr) {
    node.compute = formula->compute;
    if (!formula->familyName.empty()) {
      CDataMap ignored;
      node.familyKnown =
          dictionary.FetchAppliedType(formula->familyName, node.family, ignored) != 0;
    }
    for (const DerivedValueRow& row : formula->origins) {
      node.origins.push_back(OriginOf(dictionary, row));
    }
  }
  nodes_.push_back(std::move(node));
  names_.push_back(formula != nullptr ? formula->name : std::string_view());
  return nodes_.size() - 1;
}

}  // namespace pelcon
