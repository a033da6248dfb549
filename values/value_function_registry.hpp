#pragma once

#include <cstddef>
#include <string_view>

#include "values/text_map.hpp"
#include "values/value_functions.hpp"

namespace pelcon {

// The process-wide map from value name to value function. Keys are stored exactly as the stage
// name tables spell the names (upper case; four end in a blank or a tab) and compared with
// letter case significant; callers upper-case the name first.
class ValueFunctionRegistry {
 public:
  // The registry, built on first use (thread-safe) and kept until the process ends.
  static const ValueFunctionRegistry& Instance();

  // The function registered under the key, or nullptr.
  ValueFunction Find(std::string_view key) const;

  std::size_t KeyCount() const { return functions_.size(); }
  // Registrations made, a name registered twice counted twice.
  std::size_t InsertionCount() const { return insertions_; }

 private:
  ValueFunctionRegistry();
  void Insert(std::string_view key, ValueFunction function);

  TextMap<ValueFunction> functions_;
  std::size_t insertions_ = 0;
};

}  // namespace pelcon
