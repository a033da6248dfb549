#include "ui/column_list_model.hpp"

#include <algorithm>
#include <string_view>
#include <utility>

#include "datalib/text_helpers.hpp"
#include "export/column_name_table.hpp"
#include "ui/list_selection.hpp"

namespace pelcon::ui {
namespace {

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

// A list box that sorts itself ignores letter case, so "pH" sits among the P's. Equal names apart
// from case keep a fixed order by their bytes.
bool ListOrder(const std::string& a, const std::string& b) {
  return std::pair(FoldCase(a), std::string_view(a)) < std::pair(FoldCase(b), std::string_view(b));
}

}  // namespace

const std::vector<std::string>& ColumnListModel::AvailableNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> sorted;
    for (const ColumnName& column : ColumnNameTable()) sorted.emplace_back(column.displayName);
    std::sort(sorted.begin(), sorted.end(), ListOrder);
    return sorted;
  }();
  return names;
}

int ColumnListModel::Add(std::span<const int> availableSelection) {
  const std::vector<std::string>& available = AvailableNames();
  int leftOut = 0;
  for (int index : ValidSelection(availableSelection, static_cast<int>(available.size()))) {
    const std::string& name = available[static_cast<size_t>(index)];
    const bool held = std::any_of(current_.begin(), current_.end(), [&](const std::string& column) {
      return EqualsNoCase(column, name);
    });
    if (held) {
      ++leftOut;
      continue;
    }
    current_.push_back(name);
  }
  return leftOut;
}

void ColumnListModel::Remove(std::span<const int> selection) {
  EraseSelected(current_, selection);
}

std::vector<int> ColumnListModel::MoveUp(std::span<const int> selection) {
  std::vector<int> moved = ValidSelection(selection, static_cast<int>(current_.size()));
  int previous = -1;  // where the entry before ended up
  for (int& index : moved) {
    if (index - 1 > previous) {
      std::swap(current_[static_cast<size_t>(index - 1)], current_[static_cast<size_t>(index)]);
      --index;
    }
    previous = index;
  }
  return moved;
}

std::vector<int> ColumnListModel::MoveDown(std::span<const int> selection) {
  std::vector<int> moved = ValidSelection(selection, static_cast<int>(current_.size()));
  int limit = static_cast<int>(current_.size());  // where the entry after ended up
  for (auto index = moved.rbegin(); index != moved.rend(); ++index) {
    if (*index + 1 < limit) {
      std::swap(current_[static_cast<size_t>(*index)], current_[static_cast<size_t>(*index + 1)]);
      ++*index;
    }
    limit = *index;
  }
  return moved;
}

}  // namespace pelcon::ui
