#pragma once

// What a device family contributes to reading its log files: how a file of the family is
// recognised and laid out, which values its records carry, how its readings become values, and
// how its header is decoded. Each family lives in a folder of its own under logfile/families/ and
// is listed once in logfile/families/family_registry.cpp; everything else asks a file's family
// rather than telling families apart.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "logfile/log_blocks.hpp"

namespace pelcon {

class CalibrationInputs;
class LogFile;

// A header area and the layout that converts it from file byte order.
using BlockConversion = std::pair<std::span<std::uint8_t>, RecordLayout>;

// The device codes of a family, consecutive from `first`, with the display name of each model.
struct DeviceModels {
  int first = 0;
  std::span<const std::string_view> names;
};

// The block that closes a file of the family; its type code is the file's last byte.
struct TrailerFormat {
  int type;
  RecordLayout layout;
  std::size_t stoppedOnEnd;  // where the test-stopped stamp ends within the trailer
};

class LogFamily {
 public:
  virtual ~LogFamily() = default;

  // The family's name as reports print it ("Lodax").
  virtual std::string_view Name() const = 0;
  virtual DeviceModels Models() const = 0;
  // Whether a file with this device code (block 57) is of the family.
  bool OwnsDeviceCode(int deviceCode) const;
  // The display name of a device model; "Unknown" for a code the family does not own.
  std::string_view ModelName(int deviceCode) const;
  // The value dictionary's value that is 1 for a file of the family and 0 for any other.
  virtual std::string_view FlagValueName() const = 0;

  // The type of the first header block of the family's files.
  virtual int FirstBlock() const = 0;
  virtual TrailerFormat Trailer() const = 0;
  // The numbers of header blocks a file of the family may have, ascending.
  virtual std::span<const int> HeaderBlockCounts() const = 0;
  // Whether one more header block of `type` belongs to the header, given the types read so far
  // (fewer than the largest count; `type` is none of them). Unless a family narrows it, yes.
  virtual bool AcceptsBlock(std::span<const std::uint8_t> read, int type) const;
  // The blocks a file of the family must carry besides a test definition and block 35.
  virtual std::span<const int> RequiredBlocks() const = 0;
  // The family's own blocks with their layouts, to be converted to host byte order.
  virtual void AppendConversions(LogBlocks& blocks, std::vector<BlockConversion>& out) const = 0;
  // Gives the blocks a file may leave out the content the instrument assumes for them.
  virtual void FillAbsentBlocks(LogBlocks& blocks) const;

  // Appends the value codes a record carries after the board temperature (code 100).
  virtual void AppendRecordCodes(const LogFile& log, std::vector<std::uint8_t>& codes) const = 0;

  // Code maps between the stages and the parameter type of a RAW code present in a file; -1
  // where a code maps to nothing. Unless a family says otherwise, a code has the stages and the
  // type the stage name tables give it, and a channel whose type the file sets has none.
  virtual int RawToBaseCode(int rawCode) const;
  virtual int BaseToRawCode(int baseCode) const;
  virtual int RawParameterType(int rawCode, const LogBlocks& blocks) const;

  // The stage values of a code for one row; nothing when it cannot be computed. User is not yet
  // rounded to single precision.
  virtual std::optional<double> Cooked(const CalibrationInputs& in, int code) const = 0;
  virtual std::optional<double> Base(const CalibrationInputs& in, int code) const = 0;
  virtual std::optional<double> User(const CalibrationInputs& in, int code) const = 0;

  // The header's test-defined and test-stopped dates as dates; a year of 0 when there is none.
  virtual Stamp TestDefinedOn(const LogBlocks& blocks) const = 0;
  virtual Stamp TestStoppedOn(const LogBlocks& blocks) const = 0;
};

// Every family, each once.
std::span<const LogFamily* const> LogFamilies();

// The family that owns a device code, else UnknownFamily().
const LogFamily& FamilyOfDeviceCode(int deviceCode);
// The family of a device code that no family owns: it requires, computes and dates nothing, and
// names every model "Unknown"; a file of it never opens.
const LogFamily& UnknownFamily();
// The family whose files start with a block type, or whose trailer has this type; none when no
// family has it.
const LogFamily* FamilyStartingWith(int blockType);
const LogFamily* FamilyEndingWith(int blockType);

}  // namespace pelcon
