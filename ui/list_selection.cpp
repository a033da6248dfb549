#include "ui/list_selection.hpp"

#include <algorithm>

namespace pelcon::ui {

std::vector<int> ValidSelection(std::span<const int> selection, int size) {
  std::vector<int> valid;
  valid.reserve(selection.size());
  for (int index : selection) {
    if (index >= 0 && index < size) valid.push_back(index);
  }
  std::sort(valid.begin(), valid.end());
  valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
  return valid;
}

}  // namespace pelcon::ui
