#pragma once

// Writes synthetic log files byte by byte, big-endian, from a description. The converter never
// writes log files; these are for tests, fuzz seeds and the sample files.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logfile/log_blocks.hpp"

namespace pelcon::test_support {

enum class Family { kLodax, kVorta };

struct SiteSettings {  // block 35
  std::uint8_t displayMode = 0;
  float userReference = 0.0f;
  float nowReference = 0.0f;
  float specificGravity = 1.0f;
  std::uint8_t whenToReadReference = 0;
  std::uint8_t latitude = 45;
  float elevation = 100.0f;
  float density = 1.0f;
};

struct LogFileDescription {
  Family family = Family::kLodax;
  int deviceCode = 21;  // 20..28 Lodax (28 barometric), 30..40 Vorta
  std::uint16_t serialNumber = 4711;
  std::uint16_t firmwareVersion = 213;
  std::string unitName = "WELL 7";

  // Test definition: type 1 Linear, 2 Logarithmic, 3 Event, 4 Linear Average.
  int testType = kLinearTestBlock;
  std::string testName = "PUMP TEST";
  Stamp scheduledStart{};
  Duration interval{0, 0, 1, 0, 0};             // between data points (Logarithmic: the maximum)
  float deltaThreshold = 0.5f;                  // Event
  std::uint8_t storageMultiplier = 10;          // Event
  std::uint8_t monitoredChannel = 1;            // Event
  std::uint8_t secondsBetweenMeasurements = 5;  // Linear Average
  std::uint8_t measurementCount = 12;           // Linear Average
  // Codes written into the test definition (Lodax files ignore them when loading); at least two
  // code bytes are always written. channelCount replaces the stored count when set.
  std::vector<std::uint8_t> channelCodes{1, 2};
  std::optional<int> channelCount;
  Stamp testStart{2009, 3, 15, 14, 30, 0, 0};
  Stamp definedOn{2009, 3, 14, 9, 0, 0, 0};  // block 100 or 102

  SiteSettings site;

  // Calibration coefficients.
  std::array<float, 16> lodaxPressure{};         // block 31 offset 14
  std::array<float, 4> lodaxTemperature{};       // block 31 offset 80
  std::array<float, 4> boardTemperature{};       // block 72 offset 11
  float pressureReference = 0.0f;                // block 72 offset 27
  std::array<float, 303> factoryTable{};         // block 72 offset 32
  std::array<float, 16> pressureCompensation{};  // block 73 offset 37
  std::array<SensorPortEntry, 4> sensorPorts{};  // block 76; port bytes are set by the builder
  // Optional Vorta blocks, written when listed in optionalBlocks.
  Block85 block85{};
  Block86 block86{};
  Block83 block83{};
  Block58 block58{};
  // Types among 85, 86, 83, 58, 89, 91, 92, 93 written after the eight required Vorta blocks, in
  // this order. A Vorta file has 8 + this many header blocks.
  std::vector<int> optionalBlocks;
  bool shortBlock86 = false;  // write block 86 in its 236-byte form

  // One entry per record: the 16-bit values in channel code list order (board temperature
  // first). Event records take their elapsed seconds from eventSeconds (0 where missing).
  std::vector<std::vector<std::uint16_t>> records;
  std::vector<std::uint32_t> eventSeconds;

  bool trailer = true;
  std::uint16_t trailerMarker = 0x8001;
  Stamp stoppedOn{2009, 3, 16, 8, 0, 0, 0};
};

// A Lodax level logger with two values a record and sensible calibration.
LogFileDescription LodaxDescription();
// A Vorta sonde with temperature and pressure channels and the eight required blocks.
LogFileDescription VortaDescription();

// The bytes of a log file as an instrument would have written them.
std::vector<std::uint8_t> Build(const LogFileDescription& description);

// Writes bytes to a file; false when it cannot.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace pelcon::test_support
