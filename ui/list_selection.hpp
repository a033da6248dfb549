#pragma once

#include <span>
#include <vector>

namespace pelcon::ui {

// The selected indices that lie inside a list of the given size, ascending, each once.
std::vector<int> ValidSelection(std::span<const int> selection, int size);

// Deletes the selected elements, from the highest index down so the lower ones stay valid.
template <typename T>
void EraseSelected(std::vector<T>& list, std::span<const int> selection) {
  const std::vector<int> valid = ValidSelection(selection, static_cast<int>(list.size()));
  for (auto index = valid.rbegin(); index != valid.rend(); ++index) {
    list.erase(list.begin() + *index);
  }
}

}  // namespace pelcon::ui
