#pragma once

#include <span>
#include <string>
#include <vector>

namespace pelcon::ui {

// The two lists of the column selection dialog: every display name the system can export, sorted,
// and the template's columns in their order. Selections are given as list indices; invalid and
// repeated indices are ignored.
class ColumnListModel {
 public:
  explicit ColumnListModel(std::vector<std::string> current) : current_(std::move(current)) {}

  // All display names of the column name table, letter case ignored in the order.
  static const std::vector<std::string>& AvailableNames();

  const std::vector<std::string>& Current() const { return current_; }

  // Appends the selected available names in ascending index order, leaving out those the list
  // already holds (letter case ignored, as the converter reads them): a template never gets a
  // column twice. Returns how many were left out, for the dialogs to beep.
  int Add(std::span<const int> availableSelection);
  // Deletes the selected entries.
  void Remove(std::span<const int> selection);
  // Move the selected entries one place; a selected block at the edge stays and adjacent selected
  // entries move together. Return the selection after the move.
  std::vector<int> MoveUp(std::span<const int> selection);
  std::vector<int> MoveDown(std::span<const int> selection);

 private:
  std::vector<std::string> current_;
};

}  // namespace pelcon::ui
