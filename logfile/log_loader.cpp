#include "logfile/log_loader.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "logfile/layout_decoder.hpp"
#include "logfile/record_clock.hpp"
#include "platform/clock.hpp"

namespace pelcon {
namespace {

// Every read of the file goes through here; a read past the end delivers what there is.
class ByteCursor {
 public:
  explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return position_; }
  void Seek(std::size_t position) { position_ = std::min(position, bytes_.size()); }

  // Fills the front of destination; the rest keeps what it held.
  void Read(std::span<std::uint8_t> destination) {
    const std::size_t count = std::min(destination.size(), bytes_.size() - position_);
    std::memcpy(destination.data(), bytes_.data() + position_, count);
    position_ += count;
  }

  std::optional<std::uint8_t> ReadByte() {
    if (position_ >= bytes_.size()) return std::nullopt;
    return bytes_[position_++];
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

LoadResult Failure(LoadError error, const char* format, int value) {
  char text[160];
  std::snprintf(text, sizeof text, format, value);
  return {error, text};
}

// A trailer starts with one of the markers, a big-endian 16-bit word.
bool StartsWithTrailerMarker(const std::uint8_t* bytes) {
  const auto marker = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
  return std::find(std::begin(kTrailerMarkers), std::end(kTrailerMarkers), marker) !=
         std::end(kTrailerMarkers);
}

bool IsTestDefinition(int type) {
  return type >= kLinearTestBlock && type <= kLinearAverageTestBlock;
}

// "8, 11, 12, 13 or 16".
std::string CountsText(std::span<const int> counts) {
  std::string text;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    if (k > 0) text += k + 1 == counts.size() ? " or " : ", ";
    text += std::to_string(counts[k]);
  }
  return text;
}

// "neither 100 nor 102".
std::string FirstBlocksText() {
  std::string text = "neither";
  const char* joint = " ";
  for (const LogFamily* family : LogFamilies()) {
    text.append(joint).append(std::to_string(family->FirstBlock()));
    joint = " nor ";
  }
  return text;
}

}  // namespace

// One load: the steps share the cursor and the file being filled.
class LogLoaderRun {
 public:
  LogLoaderRun(std::span<const std::uint8_t> bytes, LogFile& log)
      : bytes_(bytes), cursor_(bytes), log_(log) {}

  LoadResult Run() {
    if (LoadResult header = ReadHeader(); !header) return header;
    ReadTrailer();
    if (LoadResult converted = ConvertHeader(); !converted) return converted;
    if (LoadResult processed = PostProcess(); !processed) return processed;
    if (!log_.IsValid()) return Invalid();
    NoteUnmarkedTrailer();
    IgnoreCutTrailer();
    NotePartialRecord();
    ReadRecords();
    return {};
  }

 private:
  // Whether a block of `type` continues the header of a file that started as one of `family`.
  bool Acceptable(int type, const LogFamily& family) const {
    const std::vector<std::uint8_t>& read = log_.blockTypes_;
    if (BlockSizeOf(type) == 0) return false;
    if (std::find(read.begin(), read.end(), type) != read.end()) return false;
    const auto most = static_cast<std::size_t>(family.HeaderBlockCounts().back());
    return read.size() < most && family.AcceptsBlock(read, type);
  }

  LoadResult ReadHeader() {
    std::optional<std::uint8_t> type = cursor_.ReadByte();
    const LogFamily* started = type ? FamilyStartingWith(*type) : nullptr;
    if (started == nullptr) {
      return {LoadError::kFirstBlock,
              "first block type " + std::to_string(type ? *type : -1) + " is " + FirstBlocksText()};
    }
    while (type && Acceptable(*type, *started)) {
      const int current = *type;
      const std::span<std::uint8_t> buffer = log_.MutableBlock(current);
      const std::uint16_t size = BlockSizeOf(current);
      buffer[0] = static_cast<std::uint8_t>(current);
      cursor_.Read(buffer.subspan(1, size - 1u));
      log_.blockTypes_.push_back(static_cast<std::uint8_t>(current));
      if (IsTestDefinition(current)) {
        const int count = std::max(StoredChannelCount(buffer, current), 2);
        if (count > kMaxChannelCount) {
          return Failure(LoadError::kChannelCount, "test definition has %d channels; at most 42",
                         count);
        }
        cursor_.Read(buffer.subspan(size, static_cast<std::size_t>(count - 2)));
        cursor_.Read(
            std::span(reinterpret_cast<std::uint8_t*>(&log_.blocks_.testStart), sizeof(Stamp)));
      }
      type = cursor_.ReadByte();
      if (current == kTurbidityBlock && type == 0) {
        // The short form of block 86 ends 16 bytes earlier: the byte that follows the long form
        // lies inside the next block.
        cursor_.Seek(cursor_.position() - 17);
        log_.shortBlock86_ = true;
        type = cursor_.ReadByte();
      }
    }
    const int count = static_cast<int>(log_.blockTypes_.size());
    const std::span<const int> counts = started->HeaderBlockCounts();
    if (std::find(counts.begin(), counts.end(), count) == counts.end()) {
      return {LoadError::kBlockCount, std::to_string(count) + " header blocks; a " +
                                          std::string(started->Name()) + " file has " +
                                          CountsText(counts)};
    }
    // The byte that ended the header is the first byte of the data.
    log_.dataStart_ = type ? cursor_.position() - 1 : cursor_.position();
    log_.dataEnd_ = bytes_.size();
    return {};
  }

  void ReadTrailer() {
    if (bytes_.empty()) return;
    const int type = bytes_.back();
    if (FamilyEndingWith(type) == nullptr) return;
    const std::size_t size = BlockSizeOf(type);
    if (bytes_.size() - log_.dataStart_ < size) return;  // it would overlap the header
    const std::size_t start = bytes_.size() - size;
    if (!StartsWithTrailerMarker(bytes_.data() + start)) {
      unmarkedTrailerType_ = type;  // not a trailer: its bytes are data
      return;
    }
    cursor_.Seek(start);
    cursor_.Read(log_.MutableBlock(type));
    log_.dataEnd_ = start;
    trailerRead_ = true;
  }

  void NoteUnmarkedTrailer() {
    if (unmarkedTrailerType_ == log_.Family().Trailer().type) {
      log_.loadProblems_.emplace_back("trailer with an unknown marker read as data");
    }
  }

  // A download cut short inside the trailer leaves the start of a trailer behind the records. Its
  // bytes are not records: a marker at a record boundary within the last trailer-length bytes
  // ends the data.
  void IgnoreCutTrailer() {
    if (trailerRead_) return;
    const std::size_t trailerSize = BlockSizeOf(log_.Family().Trailer().type);
    const auto recordSize = static_cast<std::size_t>(log_.recordSize_);
    const std::size_t end = log_.dataEnd_;
    const std::size_t from = end > trailerSize ? end - trailerSize : 0;
    std::size_t at = log_.dataStart_;
    if (at < from) at += (from - at + recordSize - 1) / recordSize * recordSize;
    for (; at + 1 < end; at += recordSize) {
      if (StartsWithTrailerMarker(bytes_.data() + at)) {
        log_.dataEnd_ = at;
        log_.loadProblems_.emplace_back("log file ends inside its trailer");
        KeepWholeStopStamp(bytes_.subspan(at, end - at));
        return;
      }
    }
  }

  // The header reports when the test stopped as for a whole file when the cut left that stamp
  // whole; a part of a stamp would give a wrong date, so the stamp then stays zero.
  void KeepWholeStopStamp(std::span<const std::uint8_t> cutTrailer) {
    const TrailerFormat trailer = log_.Family().Trailer();
    if (cutTrailer.size() < trailer.stoppedOnEnd) return;
    const std::span<std::uint8_t> buffer = log_.MutableBlock(trailer.type);
    std::memcpy(buffer.data(), cutTrailer.data(), std::min(cutTrailer.size(), buffer.size()));
    if (!Convert(buffer, trailer.layout)) {
      std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    }
  }

  void NotePartialRecord() {
    const std::size_t data = log_.dataEnd_ - std::min(log_.dataStart_, log_.dataEnd_);
    const std::size_t rest = data % static_cast<std::size_t>(log_.recordSize_);
    if (rest == 0) return;
    log_.loadProblems_.push_back("partial record ignored (" + std::to_string(rest) + " of " +
                                 std::to_string(log_.recordSize_) + " bytes)");
  }

  LoadResult Convert(std::span<std::uint8_t> area, const RecordLayout& layout) {
    const LayoutOutcome outcome =
        decodeLayout(area.first(layout.size), area.first(layout.size), layout.text, true);
    if (!outcome || outcome.size != layout.size) {
      return Failure(LoadError::kInvalid, "layout of %d bytes does not convert", layout.size);
    }
    return {};
  }

  // The blocks every file has, then those of every family: a file may carry a block of another
  // family than its own.
  LoadResult ConvertHeader() {
    LogBlocks& blocks = log_.blocks_;
    std::vector<BlockConversion> order{
        {BytesOf(blocks.eventTest), layouts::kEventTest},
        {BytesOf(blocks.linearTest), layouts::kLinearTest},
        {BytesOf(blocks.logarithmicTest), layouts::kLogarithmicTest},
        {BytesOf(blocks.linearAverageTest), layouts::kLinearAverageTest},
        {BytesOf(blocks.testStart), layouts::kTestStartStamp},
        {BytesOf(blocks.block35), layouts::kBlock35},
        {BytesOf(blocks.block57), layouts::kBlock57}};
    for (const LogFamily* family : LogFamilies()) family->AppendConversions(blocks, order);
    for (const auto& [area, layout] : order) {
      if (LoadResult converted = Convert(area, layout); !converted) return converted;
    }
    return {};
  }

  LoadResult PostProcess() {
    LogBlocks& blocks = log_.blocks_;
    log_.family_ = &FamilyOfDeviceCode(blocks.block57.deviceCode);
    log_.family_->FillAbsentBlocks(blocks);

    log_.testType_ = kEventTestBlock;
    for (const int type :
         {kEventTestBlock, kLinearTestBlock, kLogarithmicTestBlock, kLinearAverageTestBlock}) {
      if (log_.Block(type)[0] == type) {
        log_.testType_ = type;
        break;
      }
    }
    if (LoadResult built = BuildChannelCodeList(); !built) return built;
    log_.recordSize_ = 2 * static_cast<int>(log_.channelCodes_.size()) +
                       (log_.testType_ == kEventTestBlock ? 4 : 0);
    log_.tables_.MarkProvided(log_.channelCodes_, log_.Family(), blocks);
    log_.headerComplete_ = true;
    return {};
  }

  // The board temperature, then what the family's records carry.
  LoadResult BuildChannelCodeList() {
    std::vector<std::uint8_t>& list = log_.channelCodes_;
    list = {100};
    log_.Family().AppendRecordCodes(log_, list);
    if (list.size() > kMaxRecordValues) {
      return Failure(LoadError::kTooManyValues, "channel codes expand to %d values; at most 40",
                     static_cast<int>(list.size()));
    }
    return {};
  }

  LoadResult Invalid() const {
    if (!log_.Family().OwnsDeviceCode(log_.DeviceCode())) {
      return Failure(LoadError::kInvalid, "device code %d belongs to no family", log_.DeviceCode());
    }
    const int missing = log_.MissingBlock();
    if (missing == kLinearTestBlock) {
      return Failure(LoadError::kInvalid, "no test definition (%d blocks read)",
                     static_cast<int>(log_.blockTypes_.size()));
    }
    return Failure(LoadError::kInvalid, "block %d is missing", missing);
  }

  void ComputeStartTime() {
    Stamp& stamp = log_.blocks_.testStart;
    if (stamp.year != 0) {
      log_.startTime_ = StampToJulian(stamp);
      return;
    }
    const DateTimeRecord now = platform::LocalNow();
    stamp = {now.year,
             static_cast<std::uint8_t>(now.month),
             static_cast<std::uint8_t>(now.day),
             static_cast<std::uint8_t>(now.hour),
             static_cast<std::uint8_t>(now.minute),
             static_cast<std::uint8_t>(now.second),
             static_cast<std::uint8_t>(now.millisecond / 10)};
    log_.startTime_ = StampToJulian(stamp);
  }

  void ReadRecords() {
    ComputeStartTime();
    const std::size_t valueCount = log_.channelCodes_.size();
    const bool event = log_.testType_ == kEventTestBlock;
    const auto recordSize = static_cast<std::size_t>(log_.recordSize_);

    // Every record stores its readings in the same slots; a code without a RAW name drops them
    // all.
    const StageNameTable& raw = log_.StageTable(ValueStage::kRaw);
    std::array<int, kMaxRecordValues> slots{};
    for (std::size_t j = 0; j < valueCount; ++j) {
      slots[j] = raw.SlotOfName(raw.NameOf(raw.SlotOfCode(log_.channelCodes_[j])));
      if (slots[j] < 0) return;
    }
    for (std::size_t j = 0; j < valueCount; ++j) {
      log_.SetStagePresence(ValueStage::kRaw, slots[j], 1);
    }

    char layout[layouts::kRecordLayoutBuffer];
    std::snprintf(layout, sizeof layout,
                  event ? layouts::kEventRecordFormat : layouts::kRecordFormat,
                  static_cast<int>(valueCount));
    RecordClock clock(log_.blocks_, log_.testType_, log_.startTime_);
    const std::size_t available = log_.dataEnd_ - std::min(log_.dataStart_, log_.dataEnd_);
    log_.readingSlots_.assign(slots.begin(),
                              slots.begin() + static_cast<std::ptrdiff_t>(valueCount));
    log_.times_.reserve(available / recordSize);
    log_.readings_.reserve(available / recordSize * valueCount);

    std::array<std::uint8_t, 4 + 2 * kMaxRecordValues> record{};
    const std::span<std::uint8_t> area(record.data(), recordSize);
    for (std::size_t at = log_.dataStart_; at < log_.dataEnd_ && log_.dataEnd_ - at >= recordSize;
         at += recordSize) {
      std::memcpy(record.data(), bytes_.data() + at, recordSize);
      decodeLayout(area, area, layout, true);
      std::uint32_t seconds = 0;
      if (event) std::memcpy(&seconds, record.data(), sizeof seconds);
      const std::uint8_t* values = record.data() + (event ? 4 : 0);

      log_.times_.push_back(clock.TimeOf(log_.times_.size(), seconds));
      for (std::size_t j = 0; j < valueCount; ++j) {
        std::uint16_t value;
        std::memcpy(&value, values + 2 * j, sizeof value);
        log_.readings_.push_back(value);
      }
      if (log_.times_.size() == 1) StoreStartOfTestReference(log_.Row(0));
    }
  }

  void StoreStartOfTestReference(const DataRow& first) {
    const std::optional<double> pressure = log_.formulas_->Base(log_, first, 2);
    log_.hasStartOfTestReference_ = pressure.has_value();
    if (pressure) {
      log_.startOfTestReference_ = *pressure - log_.blocks_.block72.pressureReference;
    }
  }

  std::span<const std::uint8_t> bytes_;
  ByteCursor cursor_;
  LogFile& log_;
  bool trailerRead_ = false;
  int unmarkedTrailerType_ = 0;
};

LoadResult LogLoader::Load(std::span<const std::uint8_t> bytes, LogFile& log) {
  log.Reset();
  LoadResult result = LogLoaderRun(bytes, log).Run();
  if (!result) log.Reset();
  return result;
}

LoadResult LogLoader::LoadFile(const std::string& path, LogFile& log) {
  log.Reset();
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return {LoadError::kUnreadable, "cannot open " + path};
  const std::streamoff length = file.tellg();
  if (length < 0) return {LoadError::kUnreadable, "cannot read " + path};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(bytes.data()), length)) {
    return {LoadError::kUnreadable, "cannot read " + path};
  }
  return Load(bytes, log);
}

}  // namespace pelcon
