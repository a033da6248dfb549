#pragma once

#include <cstdint>
#include <string_view>

#include "datalib/data_map.hpp"
#include "values/text_map.hpp"

namespace pelcon {

// What the queries of derived values left in their result maps at the selected record, so that
// a value that others are computed from (gravity, the depth in feet) is computed once per record
// and not once for every value that needs it.
//
// A query of a derived value writes only entries it computes itself (the value, its origins and
// the result codes, which it resets first), so its effect on any result map is the same set of
// entries; replaying them gives the caller's map exactly what computing again would.
class DerivedValueMemo {
 public:
  // Forgets every result: another record is selected, or the file changes.
  void Forget() { ++generation_; }

  // Stores into result what the query of the name left at this record, computing it with
  // compute(scratch) the first time. Returns the query's answer.
  template <typename Compute>
  int Resolve(std::string_view name, CDataMap& result, Compute compute);

 private:
  struct Entry {
    // Kept from record to record so that its entries keep their storage; what the last
    // computation wrote is what was stored after `start`.
    CDataMap written;
    std::uint64_t start = 0;
    int answer = 0;
    std::uint64_t generation = 0;  // the record the entry belongs to; 0 never
    bool computing = false;
  };

  TextMap<Entry> entries_;
  std::uint64_t generation_ = 1;
};

template <typename Compute>
int DerivedValueMemo::Resolve(std::string_view name, CDataMap& result, Compute compute) {
  auto found = entries_.find(name);
  if (found == entries_.end()) found = entries_.emplace(std::string(name), Entry{}).first;
  // Nodes stay where they are when the map grows, so the entry outlives the nested queries.
  Entry& entry = found->second;
  // A value that is asked for while it is being computed is computed again, not replayed half
  // done.
  if (entry.computing) return compute(result);
  if (entry.generation != generation_) {
    entry.computing = true;
    entry.start = entry.written.StoreCount();
    entry.answer = compute(entry.written);
    entry.computing = false;
    entry.generation = generation_;
  }
  result.StoreAll(entry.written, entry.start);
  return entry.answer;
}

}  // namespace pelcon
