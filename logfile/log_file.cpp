#include "logfile/log_file.hpp"

#include <algorithm>
#include <limits>

namespace pelcon {
namespace {

constexpr int kTimestampCode = 99;

// A value the formulas could not compute is no reading.
double ValueOrNaN(const std::optional<double>& value) {
  return value ? *value : std::numeric_limits<double>::quiet_NaN();
}

// The value of a slot: 0 for a value the file lacks, the row time for the timestamp slot.
template <typename Formula>
double SlotValue(const StageNameTable& table, int slot, double timestamp, const Formula& formula) {
  if (table.PresenceOf(slot) == 0) return 0.0;
  const int code = table.CodeOf(slot);
  return code == kTimestampCode ? timestamp : ValueOrNaN(formula(code));
}

// Every slot's value, or only the selected slots' when a selection is given.
template <std::size_t N, typename Formula>
void FillStage(const StageNameTable& table, std::array<double, N>& values, double timestamp,
               const Formula& formula, const std::vector<int>* selected = nullptr) {
  if (selected != nullptr) {
    for (const int slot : *selected) {
      values[static_cast<std::size_t>(slot)] = SlotValue(table, slot, timestamp, formula);
    }
    return;
  }
  const int count = std::min(table.Size(), static_cast<int>(N));
  for (int slot = 0; slot < count; ++slot) {
    values[static_cast<std::size_t>(slot)] = SlotValue(table, slot, timestamp, formula);
  }
}

}  // namespace

LogFile::LogFile(const StageFormulas& formulas)
    : formulas_(&formulas), current_(*this), unstaged_(*this) {}

void LogFile::Reset() {
  times_.clear();
  times_.shrink_to_fit();
  readings_.clear();
  readings_.shrink_to_fit();
  readingSlots_.clear();
  current_.Reset();
  blocks_ = LogBlocks{};
  blockTypes_.clear();
  shortBlock86_ = false;
  testType_ = kEventTestBlock;
  family_ = &UnknownFamily();
  channelCodes_.clear();
  recordSize_ = 0;
  dataStart_ = 0;
  dataEnd_ = 0;
  startTime_ = 0.0;
  hasStartOfTestReference_ = false;
  startOfTestReference_ = 0.0;
  tables_.Reset();
  headerComplete_ = false;
  loadProblems_.clear();
}

std::span<std::uint8_t> LogFile::MutableBlock(int type) {
  switch (type) {
    case kLinearTestBlock:
      return BytesOf(blocks_.linearTest);
    case kLogarithmicTestBlock:
      return BytesOf(blocks_.logarithmicTest);
    case kEventTestBlock:
      return BytesOf(blocks_.eventTest);
    case kLinearAverageTestBlock:
      return BytesOf(blocks_.linearAverageTest);
    case kLodaxBlock30:
      return BytesOf(blocks_.block30);
    case kLodaxCalibrationBlock:
      return BytesOf(blocks_.block31);
    case kLodaxBlock32:
      return BytesOf(blocks_.block32);
    case kSiteBlock:
      return BytesOf(blocks_.block35);
    case kDeviceBlock:
      return BytesOf(blocks_.block57);
    case kBlock58:
      return BytesOf(blocks_.block58);
    case kFactoryCalibrationBlock:
      return BytesOf(blocks_.block72);
    case kPressureCalibrationBlock:
      return BytesOf(blocks_.block73);
    case kBlock74:
      return BytesOf(blocks_.block74);
    case kSensorPortBlock:
      return BytesOf(blocks_.block76);
    case kUserTurbidityBlock:
      return BytesOf(blocks_.block83);
    case kBlock85:
      return BytesOf(blocks_.block85);
    case kTurbidityBlock:
      return BytesOf(blocks_.block86);
    case kBlock89:
      return BytesOf(blocks_.block89);
    case kBlock91:
      return BytesOf(blocks_.block91);
    case kBlock92:
      return BytesOf(blocks_.block92);
    case kBlock93:
      return BytesOf(blocks_.block93);
    case kLodaxFirstBlock:
      return BytesOf(blocks_.block100);
    case kLodaxTrailerBlock:
      return BytesOf(blocks_.block101);
    case kVortaFirstBlock:
      return BytesOf(blocks_.block102);
    case kVortaTrailerBlock:
      return BytesOf(blocks_.block103);
    default:
      return {};
  }
}

std::span<const std::uint8_t> LogFile::Block(int type) const {
  return const_cast<LogFile*>(this)->MutableBlock(type);
}

bool LogFile::HasBlock(int type) const {
  const std::span<const std::uint8_t> block = Block(type);
  // Trailers carry their type in their last byte.
  if (FamilyEndingWith(type) != nullptr) {
    return !block.empty() && block.back() != 0;
  }
  return !block.empty() && block.front() != 0;
}

int LogFile::MissingBlock() const {
  if (!HasBlock(kEventTestBlock) && !HasBlock(kLinearTestBlock) &&
      !HasBlock(kLogarithmicTestBlock) && !HasBlock(kLinearAverageTestBlock)) {
    return kLinearTestBlock;
  }
  if (!HasBlock(kSiteBlock)) return kSiteBlock;
  for (const int type : family_->RequiredBlocks()) {
    if (!HasBlock(type)) return type;
  }
  return 0;
}

std::span<const std::uint8_t> LogFile::DefinedChannelCodes() const {
  const std::span<const std::uint8_t> definition = Block(testType_);
  const int count = std::max(StoredChannelCount(definition, testType_), 2);
  return definition.subspan(BlockSizeOf(testType_) - 2u, static_cast<std::size_t>(count));
}

void LogFile::CopyRecord(std::size_t index, DataRow& row) const {
  row.ClearReadings();
  if (index >= times_.size()) return;
  row.SetTimestamp(times_[index]);
  const std::size_t count = readingSlots_.size();
  const std::uint16_t* readings = readings_.data() + index * count;
  for (std::size_t j = 0; j < count; ++j) row.SetRawAt(readingSlots_[j], readings[j]);
}

const DataRow& LogFile::Row(std::size_t index) const {
  if (current_.IsComputed() && currentIndex_ == index) return current_;
  CopyRecord(index, unstaged_);
  return unstaged_;
}

const DataRow* LogFile::FetchRow(std::size_t index) {
  if (index >= times_.size()) return nullptr;
  if (current_.IsComputed()) {
    if (currentIndex_ == index) return nullptr;
    spareStages_ = current_.DetachStages();
  }
  std::unique_ptr<DataRowStages> stages =
      spareStages_ ? std::move(spareStages_) : std::make_unique<DataRowStages>();
  CopyRecord(index, current_);
  current_.AttachStages(std::move(stages));
  currentIndex_ = index;
  ComputeStages(current_, *current_.Stages());
  return &current_;
}

void LogFile::ReleaseRow(std::size_t index) {
  if (!current_.IsComputed() || currentIndex_ != index) return;
  spareStages_ = current_.DetachStages();
}

void LogFile::ComputeStagesOf(DataRow& copy, const StageSelection& selection) const {
  if (DataRowStages* stages = copy.Stages()) ComputeStages(copy, *stages, &selection);
}

void LogFile::ComputeStages(DataRow& row, DataRowStages& stages,
                            const StageSelection* selection) const {
  double timestamp = 0.0;
  row.GetTimestamp(timestamp);
  // Stages run in this order because USER reads BASE, all of it.
  const bool allBase = selection == nullptr || !selection->user.empty();
  FillStage(
      tables_.Table(ValueStage::kCooked), stages.cooked, timestamp,
      [&](int code) { return formulas_->Cooked(*this, row, code); },
      selection ? &selection->cooked : nullptr);
  FillStage(
      tables_.Table(ValueStage::kBase), stages.base, timestamp,
      [&](int code) { return formulas_->Base(*this, row, code); },
      allBase ? nullptr : &selection->base);
  FillStage(
      tables_.Table(ValueStage::kUser), stages.user, timestamp,
      [&](int code) { return formulas_->User(*this, row, code); },
      selection ? &selection->user : nullptr);
}

int LogFile::StageSlotOf(ValueStage stage, std::string_view name) const {
  return tables_.Table(stage).SlotOfName(name);
}

int LogFile::StagePresence(ValueStage stage, int slot) const {
  return tables_.Table(stage).PresenceOf(slot);
}

void LogFile::SetStagePresence(ValueStage stage, int slot, int presence) {
  tables_.Table(stage).SetPresence(slot, presence);
}

}  // namespace pelcon
