#include "logfile/calibration_inputs.hpp"

#include <array>
#include <cmath>

#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

// Code to the slot its name finds in a stage's table, -1 for a code the table lacks. Resolved
// once: the formulas run for every value of every row.
class CodeSlots {
 public:
  explicit CodeSlots(ValueStage stage) {
    slots_.fill(-1);
    const StageNameTable table(stage);
    for (int slot = 0; slot < table.Size(); ++slot) {
      const int code = table.CodeOf(slot);
      if (code >= 0 && code < static_cast<int>(slots_.size())) {
        slots_[static_cast<std::size_t>(code)] = table.SlotOfName(table.NameOf(slot));
      }
    }
  }

  int operator()(int code) const {
    return code >= 0 && code < static_cast<int>(slots_.size())
               ? slots_[static_cast<std::size_t>(code)]
               : -1;
  }

 private:
  std::array<int, 256> slots_;
};

const CodeSlots& RawSlots() {
  static const CodeSlots slots(ValueStage::kRaw);
  return slots;
}

const CodeSlots& BaseSlots() {
  static const CodeSlots slots(ValueStage::kBase);
  return slots;
}

}  // namespace

std::optional<float> CalibrationInputs::Reading(int rawCode) const {
  const int slot = RawSlots()(rawCode);
  if (slot < 0 || log_.StageTable(ValueStage::kRaw).PresenceOf(slot) == 0) return std::nullopt;
  return static_cast<float>(row_.RawAt(slot));
}

std::optional<double> CalibrationInputs::Base(int baseCode) const {
  const int slot = BaseSlots()(baseCode);
  const DataRowStages* stages = row_.Stages();
  if (slot < 0 || stages == nullptr || log_.StageTable(ValueStage::kBase).PresenceOf(slot) == 0) {
    return std::nullopt;
  }
  const double value = stages->base[static_cast<std::size_t>(slot)];
  // A failed BASE value is NaN; what is computed from it fails too.
  if (std::isnan(value)) return std::nullopt;
  return value;
}

}  // namespace pelcon
