#pragma once

// One data record of a log file as the formulas read it: its time, its raw 16-bit readings, and,
// only while the record is the current one, its COOKED, BASE and USER values. The log file keeps
// its records packed and makes such a row of one when asked. Names resolve to slots through the
// row's owner, which keeps one name table and one presence flag per slot for each stage.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace pelcon {

enum class ValueStage { kRaw = 0, kCooked = 1, kBase = 2, kUser = 3 };

inline constexpr int kRawSlotCount = 43;
inline constexpr int kCookedSlotCount = 43;
inline constexpr int kBaseSlotCount = 39;
inline constexpr int kUserSlotCount = 17;

// What a row needs from the file it belongs to. Presence describes the file, not one row.
class DataRowOwner {
 public:
  // The slot of a value name in the stage's table, or -1.
  virtual int StageSlotOf(ValueStage stage, std::string_view name) const = 0;
  virtual int StagePresence(ValueStage stage, int slot) const = 0;
  virtual void SetStagePresence(ValueStage stage, int slot, int presence) = 0;

 protected:
  ~DataRowOwner() = default;
};

// The computed stages of one row, one value per slot.
struct DataRowStages {
  std::array<double, kCookedSlotCount> cooked{};
  std::array<double, kBaseSlotCount> base{};
  std::array<double, kUserSlotCount> user{};
};

// The slots of each computed stage a reader needs, each once, in slot order; a stage is computed
// only where it is needed. USER values read BASE values, so a reader that needs a USER slot gets
// every BASE slot too. Lists, because a record's stages are computed for each record.
struct StageSelection {
  std::vector<int> cooked, base, user;

  // Selects a slot of a computed stage; nothing for a slot out of the stage's range or RAW.
  void Select(ValueStage stage, int slot);
};

class DataRow {
 public:
  explicit DataRow(DataRowOwner& owner) : owner_(&owner) {}

  // Raw readings 0, time 0, no computed stages.
  void Reset();

  int SetTimestamp(double timestamp);
  int GetTimestamp(double& timestamp) const;

  // Stores the reading in the slot of the RAW name and marks the slot present for the file.
  // Returns 0, changing nothing, for an unknown name.
  int SetRaw(std::string_view name, std::uint16_t value);
  // The reading of a present RAW name; 0 (with value 0) for an unknown or absent name.
  int GetRaw(std::string_view name, std::uint16_t& value) const;
  // The value of a present name of the stage; 0 (with value 0) for an unknown or absent name.
  // A stage that is not computed reads as 0.
  int GetCooked(std::string_view name, double& value) const;
  int GetBase(std::string_view name, double& value) const;
  int GetUser(std::string_view name, double& value) const;

  // Slot access for the loader, which resolves each record position's slot once per file.
  std::uint16_t RawAt(int slot) const { return raw_[static_cast<std::size_t>(slot)]; }
  void SetRawAt(int slot, std::uint16_t value) { raw_[static_cast<std::size_t>(slot)] = value; }

  // Raw readings 0 and time 0; the stages stay.
  void ClearReadings() {
    raw_.fill(0);
    timestamp_ = 0.0;
  }

  // The computed stages exist only while the owner holds the row current: it hands the storage
  // in (the flag is then set) and takes it back (the flag is cleared).
  bool IsComputed() const { return stages_ != nullptr; }
  void AttachStages(std::unique_ptr<DataRowStages> stages) { stages_ = std::move(stages); }
  std::unique_ptr<DataRowStages> DetachStages() { return std::move(stages_); }
  DataRowStages* Stages() { return stages_.get(); }
  const DataRowStages* Stages() const { return stages_.get(); }

 private:
  template <std::size_t N>
  int GetStage(ValueStage stage, const std::array<double, N> DataRowStages::*values,
               std::string_view name, double& value) const;

  DataRowOwner* owner_;
  double timestamp_ = 0.0;
  std::unique_ptr<DataRowStages> stages_;
  std::array<std::uint16_t, kRawSlotCount> raw_{};
};

}  // namespace pelcon
