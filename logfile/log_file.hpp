#pragma once

// The in-memory image of one log file: its header blocks in host byte order, what was derived
// from them (family, test type, the values each record carries), the stage name tables, and one
// DataRow per data record. LogLoader fills it; a LogFile that LogLoader did not fill is empty.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datalib/data_row.hpp"
#include "logfile/log_blocks.hpp"
#include "logfile/log_family.hpp"
#include "logfile/stage_formulas.hpp"
#include "logfile/stage_tables.hpp"

namespace pelcon {

class LogFile final : public DataRowOwner {
 public:
  // The formulas compute the stage values of rows; they must outlive the LogFile.
  explicit LogFile(const StageFormulas& formulas);
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Forgets everything: no rows, every block zero, tables as compiled in, no start time.
  void Reset();

  // Header blocks, zero where the file had none.
  const LogBlocks& Blocks() const { return blocks_; }
  // The buffer of a block type (1 to 4 with their channel tail), empty for an unknown type.
  std::span<const std::uint8_t> Block(int type) const;
  // A block counts as present when its first byte is nonzero.
  bool HasBlock(int type) const;
  // Whether block 86 had its 236-byte form: its last 16 bytes then hold the start of the next
  // block, not the four temperature coefficients.
  bool IsTurbidityBlockShort() const { return shortBlock86_; }
  // Header block types in file order.
  std::span<const std::uint8_t> BlockTypesRead() const { return blockTypes_; }

  int TestType() const { return testType_; }  // 1 Linear, 2 Logarithmic, 3 Event, 4 Average
  int DeviceCode() const { return blocks_.block57.deviceCode; }
  int SerialNumber() const { return blocks_.block57.serialNumber; }
  // The family that owns the device code; one that owns none before a file is loaded.
  const LogFamily& Family() const { return *family_; }

  // The channel codes the test definition of the test type lists (two when it lists fewer).
  std::span<const std::uint8_t> DefinedChannelCodes() const;

  // Value codes of a record, in record order.
  std::span<const std::uint8_t> ChannelCodeList() const { return channelCodes_; }
  int RecordSize() const { return recordSize_; }
  std::size_t DataStart() const { return dataStart_; }
  std::size_t DataEnd() const { return dataEnd_; }

  // Julian date of the test start; the stamp in Blocks().testStart (set to the load time when
  // the file's stamp was zero).
  double StartTime() const { return startTime_; }

  // The first record's BASE pressure minus the factory pressure reference.
  bool HasStartOfTestReference() const { return hasStartOfTestReference_; }
  double StartOfTestReference() const { return startOfTestReference_; }

  const StageNameTable& StageTable(ValueStage stage) const { return tables_.Table(stage); }

  bool IsHeaderComplete() const { return headerComplete_; }
  // The rules a file must meet to open: a known family, a test definition, block 35 and the
  // blocks its family needs.
  bool IsValid() const {
    return headerComplete_ && family_->OwnsDeviceCode(DeviceCode()) && MissingBlock() == 0;
  }

  // What the load met and worked around without failing, one sentence each, in the order met: a
  // partial record, a cut trailer, trailer bytes read as data.
  const std::vector<std::string>& LoadProblems() const { return loadProblems_; }

  std::size_t RowCount() const { return times_.size(); }
  // A record as a row: the current row (with its stages) when it is that record, else the record
  // without stages in a row that the next call reuses. Not for several threads at once.
  const DataRow& Row(std::size_t index) const;
  // Copies a record's time and readings into a row of this file, leaving its stages alone.
  // Several threads may copy records at once.
  void CopyRecord(std::size_t index, DataRow& row) const;

  // Makes a row current: computes its COOKED, BASE and USER values. Fails (nullptr) for a row
  // that does not exist or is already current. A value that cannot be computed is NaN. One row
  // is current at a time: fetching another one discards the stages of the last.
  const DataRow* FetchRow(std::size_t index);
  // Discards the computed values of a row fetched before.
  void ReleaseRow(std::size_t index);
  // Computes the selected stage values of a row that is not one of the file's own (a copy of a
  // record, with stage storage attached) without touching the file: readers on several threads
  // may do so at once. Slots that are not selected keep what they held.
  void ComputeStagesOf(DataRow& copy, const StageSelection& selection) const;

  // DataRowOwner
  int StageSlotOf(ValueStage stage, std::string_view name) const override;
  int StagePresence(ValueStage stage, int slot) const override;
  void SetStagePresence(ValueStage stage, int slot, int presence) override;

 private:
  friend class LogLoaderRun;

  // The first block the file needs and lacks (the first test definition type when it has none),
  // or 0.
  int MissingBlock() const;

  std::span<std::uint8_t> MutableBlock(int type);
  // Every stage value, or only the selected ones.
  void ComputeStages(DataRow& row, DataRowStages& stages,
                     const StageSelection* selection = nullptr) const;

  const StageFormulas* formulas_;
  LogBlocks blocks_{};
  std::vector<std::uint8_t> blockTypes_;
  bool shortBlock86_ = false;
  int testType_ = 3;
  const LogFamily* family_ = &UnknownFamily();
  std::vector<std::uint8_t> channelCodes_;
  int recordSize_ = 0;
  std::size_t dataStart_ = 0;
  std::size_t dataEnd_ = 0;
  double startTime_ = 0.0;
  bool hasStartOfTestReference_ = false;
  double startOfTestReference_ = 0.0;
  StageTables tables_;
  bool headerComplete_ = false;
  // The records, packed: a time each, and the same number of readings each, which go to the RAW
  // slots in readingSlots_ in order.
  std::vector<double> times_;
  std::vector<std::uint16_t> readings_;
  std::vector<int> readingSlots_;
  DataRow current_;
  std::size_t currentIndex_ = 0;
  mutable DataRow unstaged_;  // what Row gives for another record
  std::vector<std::string> loadProblems_;
  std::unique_ptr<DataRowStages> spareStages_;
};

}  // namespace pelcon
