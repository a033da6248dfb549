#pragma once

namespace pelcon::ui {

// The batch dialog's size in dialog units before any run has ended.
inline constexpr int kBatchDialogWidth = 250;
inline constexpr int kBatchDialogHeight = 266;

// The results list appears once a run has ended, in a strip below every other control; the dialog
// grows by the strip so that nothing else moves. Dialog units.
inline constexpr int kResultsLeft = 7;
inline constexpr int kResultsTop = kBatchDialogHeight;
inline constexpr int kResultsWidth = 236;
inline constexpr int kResultsHeight = 68;
// The list and a margin under it.
inline constexpr int kResultsBand = 72;

}  // namespace pelcon::ui
