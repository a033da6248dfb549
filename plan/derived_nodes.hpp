#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "plan/row_value_lookup.hpp"
#include "values/derived_formula.hpp"

namespace pelcon {

class ValueDictionary;

// Where a derived value's origin comes from at a record, resolved once per file.
struct DerivedOrigin {
  enum class Kind {
    kConstant,  // the same at every record: a header value, a default, a fallback
    kRecord,    // a value of the record (a raw reading is an integer, no double)
    kDerived,   // another derived value the file can compute
  };
  Kind kind = Kind::kConstant;
  // kConstant: the origin as the formula reads it; kDerived: its table default, read when the
  // derived value gives nothing at a record.
  double number = 0.0;
  std::int32_t flag = DerivedInputs::kNoFlag;
  RecordSlot record;     // kRecord
  std::size_t node = 0;  // kDerived
};

// A derived value the file can compute, compiled: its formula, its unit family and its origins.
// Nodes are stored after the nodes of their origins.
struct DerivedNode {
  DerivedCompute compute = nullptr;
  int family = 0;
  bool familyKnown = true;  // a family name that is no generic name gives no value
  std::vector<DerivedOrigin> origins;
};

// The compiled derived values of one file, shared by the values that need them (gravity, the
// depth in feet).
class DerivedNodes {
 public:
  // The node of a derived value that the dictionary's file can compute (every origin available),
  // compiled with the nodes of its origins the first time.
  std::size_t NodeOf(ValueDictionary& dictionary, std::string_view name);

  const std::vector<DerivedNode>& Nodes() const { return nodes_; }
  bool empty() const { return nodes_.empty(); }

 private:
  DerivedOrigin OriginOf(ValueDictionary& dictionary, const DerivedValueRow& row);

  std::vector<DerivedNode> nodes_;
  std::vector<std::string_view> names_;  // of nodes_, from the formula table
};

// Whether a derived value can be computed for the dictionary's file: the dictionary's test before
// it computes one (otherwise the value takes its fallback, the same at every record).
bool IsDerivedValueAvailable(const ValueDictionary& dictionary, std::string_view name);

}  // namespace pelcon
