#include "tests/support/log_file_builder.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <span>

namespace pelcon::test_support {
namespace {

// Appends big-endian fields.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  std::size_t size() const { return out_.size(); }
  void U8(unsigned value) { out_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(unsigned value) {
    U8(value >> 8 & 0xFF);
    U8(value & 0xFF);
  }
  void U32(std::uint32_t value) {
    U16(value >> 16);
    U16(value & 0xFFFF);
  }
  void F32(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
  }
  void Zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }
  // Text zero-padded (and cut) to width bytes.
  void Text(const std::string& text, std::size_t width) {
    const std::size_t count = std::min(text.size(), width);
    out_.insert(out_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count));
    Zeros(width - count);
  }
  void Date(const Stamp& stamp) {
    U16(stamp.year);
    for (unsigned byte :
         {stamp.month, stamp.day, stamp.hour, stamp.minute, stamp.second, stamp.hundredths}) {
      U8(byte);
    }
  }
  void Interval(const Duration& duration) {
    for (unsigned byte :
         {duration.days, duration.hours, duration.minutes, duration.seconds, duration.hundredths}) {
      U8(byte);
    }
  }
  void Floats(std::span<const float> values) {
    for (float value : values) F32(value);
  }
  template <typename Record>
  void Calibration(const Record& record) {
    U8(record.tag);
    U8(record.parameterType);
    Date(record.stamp);
    U8(record.e);
    U8(record.pointCount);
    for (const CalibrationGroup& group : record.groups) {
      U8(group.code);
      F32(group.f1);
      F32(group.f2);
      F32(group.f3);
    }
    for (const CalibrationPair& pair : record.pairs) {
      F32(pair.slope);
      F32(pair.offset);
    }
  }

 private:
  std::vector<std::uint8_t>& out_;
};

// A builder bug, not a test failure: stop at once with the block that came out wrong.
void CheckSize(int type, std::size_t start, const ByteWriter& out, std::size_t expected) {
  if (out.size() - start == expected) return;
  std::fprintf(stderr, "log file builder: block %d is %zu bytes, expected %zu\n", type,
               out.size() - start, expected);
  std::abort();
}

void WriteTestDefinition(ByteWriter& out, const LogFileDescription& d) {
  const std::size_t start = out.size();
  out.U8(static_cast<unsigned>(d.testType));
  out.U8(0);
  out.Text(d.testName, 17);
  out.U8(1);
  out.Date(d.scheduledStart);
  switch (d.testType) {
    case kLinearTestBlock:
      out.Interval(d.interval);
      break;
    case kLogarithmicTestBlock:
      out.Interval(d.interval);
      out.U8(0);
      break;
    case kEventTestBlock:
      out.F32(d.deltaThreshold);
      out.U8(d.storageMultiplier);
      out.U8(d.monitoredChannel);
      out.Interval(d.interval);
      break;
    default:
      out.U8(d.secondsBetweenMeasurements);
      out.U8(d.measurementCount);
      out.Interval(d.interval);
      break;
  }
  out.U8(static_cast<unsigned>(d.channelCount.value_or(static_cast<int>(d.channelCodes.size()))));
  std::vector<std::uint8_t> codes = d.channelCodes;
  codes.resize(std::max<std::size_t>(codes.size(), 2), 0);
  for (std::uint8_t code : codes) out.U8(code);
  CheckSize(d.testType, start, out, BlockSizeOf(d.testType) - 2u + codes.size());
  out.Date(d.testStart);
}

void WriteDeviceBlock(ByteWriter& out, const LogFileDescription& d) {
  out.U8(kDeviceBlock);
  out.U8(static_cast<unsigned>(d.deviceCode));
  out.U16(d.serialNumber);
  out.Zeros(2 + 2 + 6);
  out.U16(d.firmwareVersion);
  out.Zeros(3 + 8);
  out.Text(d.unitName.substr(0, 16), 17);
  out.Zeros(8 + 3 * 4 + 2 * 4);
}

void WriteSiteBlock(ByteWriter& out, const SiteSettings& site) {
  out.U8(kSiteBlock);
  out.Zeros(1 + 17 + 1 + 2);
  out.U8(site.displayMode);
  out.F32(site.userReference);
  out.F32(site.nowReference);
  out.F32(site.specificGravity);
  out.U8(site.whenToReadReference);
  out.U8(site.latitude);
  out.U8(0);
  out.F32(site.elevation);
  out.F32(site.density);
}

// A block of which only the type byte matters here.
void WriteTypeOnly(ByteWriter& out, int type) {
  out.U8(static_cast<unsigned>(type));
  out.Zeros(BlockSizeOf(type) - 1u);
}

void WriteBlock31(ByteWriter& out, const LogFileDescription& d) {
  out.U8(kLodaxCalibrationBlock);
  out.Zeros(8 + 2 + 2 + 1);
  out.Floats(d.lodaxPressure);
  out.U16(0);
  out.Floats(d.lodaxTemperature);
}

void WriteBlock73(ByteWriter& out, const LogFileDescription& d) {
  out.U8(kPressureCalibrationBlock);
  out.Zeros(36);
  out.Floats(d.pressureCompensation);
  out.U16(0);
  out.Zeros(16);
}

void WriteBlock72(ByteWriter& out, const LogFileDescription& d) {
  out.U8(kFactoryCalibrationBlock);
  out.Zeros(8 + 2);
  out.Floats(d.boardTemperature);
  out.F32(d.pressureReference);
  out.U8(0);
  out.Floats(d.factoryTable);
}

void WriteBlock76(ByteWriter& out, const LogFileDescription& d) {
  for (std::size_t k = 0; k < d.sensorPorts.size(); ++k) {
    // The first byte of the block is its type; the other entries begin with their port.
    out.U8(k == 0 ? unsigned{kSensorPortBlock} : static_cast<unsigned>(k + 1));
    out.Calibration(d.sensorPorts[k].first);
    out.Calibration(d.sensorPorts[k].second);
  }
}

void WriteBlock85(ByteWriter& out, const Block85& block) {
  out.U8(kBlock85);
  // Indexes, not references: the fields of a packed block are not aligned.
  for (std::size_t k = 0; k < 10; ++k) out.U16(block.settings[k]);
  out.U8(block.byte21);
  out.U8(block.byte22);
}

void WriteBlock86(ByteWriter& out, const Block86& block, bool shortForm) {
  out.U8(kTurbidityBlock);
  out.U8(block.byte1);
  for (char c : block.text2) out.U8(static_cast<std::uint8_t>(c));
  out.U16(block.word8);
  out.Date(block.stamp10);
  out.Calibration(block.high);
  out.Calibration(block.low);
  if (shortForm) return;
  for (std::size_t k = 0; k < 2; ++k) out.F32(block.highTemperature[k]);
  for (std::size_t k = 0; k < 2; ++k) out.F32(block.lowTemperature[k]);
}

void WriteBlock58(ByteWriter& out, const Block58& block) {
  out.U8(kBlock58);
  out.U16(block.word1);
  out.U16(block.word3);
  out.U16(block.word5);
  out.F32(block.float7);
  out.U16(block.word11);
  out.U16(block.word13);
  out.F32(block.float15);
  out.F32(block.float19);
  out.F32(block.fixedBarometer);
  out.U8(block.fixedBarometerSwitch);
}

void WriteOptionalBlock(ByteWriter& out, const LogFileDescription& d, int type) {
  const std::size_t start = out.size();
  switch (type) {
    case kBlock85:
      WriteBlock85(out, d.block85);
      break;
    case kTurbidityBlock:
      WriteBlock86(out, d.block86, d.shortBlock86);
      CheckSize(type, start, out, d.shortBlock86 ? kShortBlock86Size : BlockSizeOf(type));
      return;
    case kUserTurbidityBlock:
      out.U8(kUserTurbidityBlock);
      out.Calibration(d.block83.user);
      break;
    case kBlock58:
      WriteBlock58(out, d.block58);
      break;
    default:
      WriteTypeOnly(out, type);
      break;
  }
  CheckSize(type, start, out, BlockSizeOf(type));
}

// Writes one block and checks its size against the format.
template <typename Writer>
void Sized(ByteWriter& out, int type, Writer write) {
  const std::size_t start = out.size();
  write();
  CheckSize(type, start, out, BlockSizeOf(type));
}

void WriteHeader(ByteWriter& out, const LogFileDescription& d) {
  if (d.family == Family::kLodax) {
    Sized(out, kLodaxFirstBlock, [&] {
      out.U8(kLodaxFirstBlock);
      out.Date(d.definedOn);
    });
    Sized(out, kDeviceBlock, [&] { WriteDeviceBlock(out, d); });
    Sized(out, kSiteBlock, [&] { WriteSiteBlock(out, d.site); });
    WriteTestDefinition(out, d);
    Sized(out, kLodaxBlock30, [&] { WriteTypeOnly(out, kLodaxBlock30); });
    Sized(out, kLodaxCalibrationBlock, [&] { WriteBlock31(out, d); });
    Sized(out, kLodaxBlock32, [&] { WriteTypeOnly(out, kLodaxBlock32); });
    return;
  }
  Sized(out, kVortaFirstBlock, [&] {
    out.U8(kVortaFirstBlock);
    out.Date(d.definedOn);
    out.Zeros(96);
  });
  Sized(out, kDeviceBlock, [&] { WriteDeviceBlock(out, d); });
  Sized(out, kSiteBlock, [&] { WriteSiteBlock(out, d.site); });
  WriteTestDefinition(out, d);
  Sized(out, kPressureCalibrationBlock, [&] { WriteBlock73(out, d); });
  Sized(out, kFactoryCalibrationBlock, [&] { WriteBlock72(out, d); });
  Sized(out, kBlock74, [&] { WriteTypeOnly(out, kBlock74); });
  Sized(out, kSensorPortBlock, [&] { WriteBlock76(out, d); });
  for (int type : d.optionalBlocks) WriteOptionalBlock(out, d, type);
}

void WriteRecords(ByteWriter& out, const LogFileDescription& d) {
  for (std::size_t i = 0; i < d.records.size(); ++i) {
    if (d.testType == kEventTestBlock) {
      out.U32(i < d.eventSeconds.size() ? d.eventSeconds[i] : 0);
    }
    for (std::uint16_t value : d.records[i]) out.U16(value);
  }
}

void WriteTrailer(ByteWriter& out, const LogFileDescription& d) {
  const int type = d.family == Family::kLodax ? kLodaxTrailerBlock : kVortaTrailerBlock;
  Sized(out, type, [&] {
    out.U16(d.trailerMarker);
    out.U16(0);
    out.Date(d.stoppedOn);
    out.U32(0);
    if (type == kVortaTrailerBlock) out.Zeros(8);
    out.U8(static_cast<unsigned>(type));
  });
}

}  // namespace

LogFileDescription LodaxDescription() {
  LogFileDescription d;
  d.family = Family::kLodax;
  d.deviceCode = 21;
  // Pressure = reading / 1000 psi, temperature = board reading / 100 degrees.
  d.lodaxPressure[4] = 0.001f;
  d.lodaxTemperature[1] = 0.01f;
  d.records = {{2150, 10000}, {2151, 10100}, {2152, 10200}};
  return d;
}

LogFileDescription VortaDescription() {
  LogFileDescription d;
  d.family = Family::kVorta;
  d.deviceCode = 33;
  d.unitName = "SONDE 3";
  d.channelCodes = {1, 2};  // records: board, temperature, transducer temperature, pressure
  d.boardTemperature[1] = 0.01f;
  d.pressureReference = 14.7f;
  d.records = {{2150, 20000, 21000, 30000}, {2151, 20010, 21010, 30100}};
  return d;
}

std::vector<std::uint8_t> Build(const LogFileDescription& description) {
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  WriteHeader(out, description);
  WriteRecords(out, description);
  if (description.trailer) WriteTrailer(out, description);
  return bytes;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace pelcon::test_support
