// Writes the sample log files of examples/ with the test support builder, more variants as fuzz
// seeds, or one large file for measuring the loader.
//
//   make_examples <directory>                      the three sample files
//   make_examples --seeds <directory>              sample files and further variants
//   make_examples --large <path> <records> [vorta] a long Lodax (or Vorta sonde) file

#include <cmath>
#include <numbers>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/log_file_builder.hpp"

namespace {

using pelcon::test_support::Family;
using pelcon::test_support::LodaxDescription;
using pelcon::test_support::LogFileDescription;
using pelcon::test_support::VortaDescription;

std::uint16_t Reading(double value) {
  return static_cast<std::uint16_t>(std::lround(std::fmin(std::fmax(value, 0.0), 65535.0)));
}

// The air pressure over the well in psi, a quarter of an hour after 14:30 on the sample day: a
// weather change of a few centimetres of water.
double AirPressurePsi(double quarterHours) {
  return 14.695 + 0.15 * std::sin(quarterHours / 4.0);
}

// A level logger in a pumped well: the water column falls for two hours, then recovers. It
// measures absolute pressure, the water column plus the air above it.
LogFileDescription LevelLogger(int records) {
  LogFileDescription d = LodaxDescription();
  d.unitName = "MW-3 LEVEL";
  d.testName = "STEP DRAWDOWN";
  d.serialNumber = 21734;
  d.interval = {0, 0, 5, 0, 0};
  d.scheduledStart = {2009, 3, 15, 14, 30, 0, 0};
  d.site.userReference = 12.5f;
  d.site.nowReference = 12.5f;
  d.records.clear();
  for (int i = 0; i < records; ++i) {
    const double t = (i % 48) / 24.0;  // hours in a 4-hour cycle
    const double drawdown = t < 1.0 ? 3.2 * (1 - std::exp(-3 * t))
                                    : 3.2 * (1 - std::exp(-3.0)) * std::exp(-3 * (t - 1));
    // Pressure = reading / 1000 psi; board temperature = reading / 100 degrees C.
    d.records.push_back({Reading(1260 + 5 * std::sin(i / 7.0)),
                         Reading(1000 * (9.8 - drawdown + AirPressurePsi(i / 3.0)))});
  }
  return d;
}

// A barometric logger at the surface of the same well.
LogFileDescription BarometricLogger() {
  LogFileDescription d = LodaxDescription();
  d.deviceCode = 28;
  d.unitName = "MW-3 BARO";
  d.testName = "BARO REFERENCE";
  d.serialNumber = 21901;
  d.interval = {0, 0, 15, 0, 0};
  d.records.clear();
  for (int i = 0; i < 48; ++i) {
    d.records.push_back(
        {Reading(1850 + 40 * std::sin(i / 8.0)), Reading(1000 * AirPressurePsi(i))});
  }
  return d;
}

// Coefficient set a of block 72 starts at F[31 + 16a]; F[k] is table entry k.
void SetScale(LogFileDescription& d, int set, float scale, float offset = 0.0f) {
  d.factoryTable[static_cast<std::size_t>(31 + 16 * set)] = offset;     // x^0 y^0
  d.factoryTable[static_cast<std::size_t>(31 + 16 * set + 4)] = scale;  // x^1 y^0
}

// A multiparameter sonde logging temperature, pressure, barometric pressure, conductivity,
// turbidity, battery voltage and dissolved oxygen.
LogFileDescription Sonde(int records) {
  LogFileDescription d = VortaDescription();
  d.deviceCode = 34;
  d.unitName = "LAKE SONDE 2";
  d.testName = "SUMMER PROFILE";
  d.serialNumber = 30512;
  d.interval = {0, 0, 15, 0, 0};
  d.channelCodes = {1, 2, 3, 45, 4, 5, 25};
  d.boardTemperature = {0.0f, 0.01f, 0.0f, 0.0f};
  d.pressureReference = 14.7f;
  d.factoryTable[0 + 4] = 0.001f;  // barometric set: psi = reading / 1000
  d.factoryTable[16] = 100.0f;     // platinum sensor R0, A and B
  d.factoryTable[17] = 3.9083e-3f;
  d.factoryTable[18] = -5.775e-7f;
  d.factoryTable[20] = 1.0f;  // conductivity range cubics: identity
  d.factoryTable[24] = 1.0f;
  d.factoryTable[28] = 1.0f;
  SetScale(d, 0, 0.005f);                               // RTD: ohms = reading / 200
  SetScale(d, 1, 0.01f);                                // transducer temperature
  SetScale(d, 2, 0.001f);                               // pressure, psi
  SetScale(d, 3, 0.01f);                                // turbidity low range
  SetScale(d, 4, 0.01f);                                // turbidity high range
  for (int set : {13, 14, 15}) SetScale(d, set, 1.0f);  // conductivity in microsiemens
  SetScale(d, 16, 0.001f);                              // dissolved oxygen, mg/L
  d.pressureCompensation[4] = 1.0f;
  pelcon::ChannelCalibrationRecord& oxygen = d.sensorPorts[1].first;
  oxygen.tag = 75;
  oxygen.parameterType = 7;
  oxygen.stamp = {2009, 6, 1, 8, 0, 0, 0};
  oxygen.pointCount = 1;
  oxygen.pairs[0] = {1.0f, 0.0f};
  oxygen.e = 7;  // compensated from 25 degrees C ...
  oxygen.groups[0] = {0, 0.0f, 0.0f, 25.0f};
  oxygen.groups[5] = {70, 0.0f, 0.0f, 0.0f};  // ... with a coefficient of 0: as measured
  // Conductivity's user calibration (port 4, first channel): the cell constant.
  d.sensorPorts[3].first.pairs[1] = {0.2916f, 0.0f};
  d.records.clear();
  for (int i = 0; i < records; ++i) {
    const double day = (i % 96) / 96.0;
    const double temperature = 18 + 3 * std::sin(2 * std::numbers::pi * (day - 0.375));
    const double ohms = 100 * (1 + 3.9083e-3 * temperature - 5.775e-7 * temperature * temperature);
    d.records.push_back({
        Reading(100 * (temperature + 1.5)),                       // board
        Reading(200 * ohms),                                      // temperature
        Reading(100 * (temperature + 0.5)),                       // transducer temperature
        Reading(1000 * (14.6 + 8.2 + 0.3 * std::sin(i / 10.0))),  // 8 m of water
        Reading(1000 * (14.6 + 0.05 * std::sin(i / 30.0))),       // barometric
        Reading(540 + 20 * std::sin(i / 15.0)),                   // conductivity, low range
        Reading(542 + 20 * std::sin(i / 15.0)),                   // middle range
        Reading(545 + 20 * std::sin(i / 15.0)),                   // high range
        Reading(100 * (4.5 + std::sin(i / 5.0))),                 // turbidity, high range
        Reading(100 * (4.4 + std::sin(i / 5.0))),                 // low range
        Reading(12600 - 2 * i),                                   // battery, mV
        Reading(1000 * (9.1 - 0.1 * (temperature - 18))),         // dissolved oxygen
    });
  }
  return d;
}

bool Write(const std::string& path, const LogFileDescription& description) {
  if (pelcon::test_support::WriteFile(path, pelcon::test_support::Build(description))) return true;
  std::fprintf(stderr, "make_examples: cannot write %s\n", path.c_str());
  return false;
}

bool WriteSamples(const std::string& directory) {
  return Write(directory + "/lodax_level.bin", LevelLogger(36)) &&
         Write(directory + "/barometric.bin", BarometricLogger()) &&
         Write(directory + "/vorta_sonde.bin", Sonde(32));
}

// Variants that reach the loader's other paths.
bool WriteSeeds(const std::string& directory) {
  LogFileDescription event = Sonde(6);
  event.testType = pelcon::kEventTestBlock;
  event.eventSeconds = {0, 0, 30, 95, 400, 4000};
  LogFileDescription logarithmic = LevelLogger(120);
  logarithmic.testType = pelcon::kLogarithmicTestBlock;
  logarithmic.interval = {0, 0, 1, 0, 0};
  LogFileDescription average = Sonde(4);
  average.testType = pelcon::kLinearAverageTestBlock;
  average.optionalBlocks = {85, 86, 83, 58, 89, 91, 92, 93};
  LogFileDescription shortForm = Sonde(3);
  shortForm.optionalBlocks = {85, 86, 83};
  shortForm.shortBlock86 = true;
  LogFileDescription badTrailer = LevelLogger(5);
  badTrailer.trailerMarker = 0x1234;
  LogFileDescription optical = VortaDescription();
  optical.channelCodes = {16, 37, 11, 42};
  optical.records = {std::vector<std::uint16_t>(10, 1000)};
  return WriteSamples(directory) && Write(directory + "/event.bin", event) &&
         Write(directory + "/logarithmic.bin", logarithmic) &&
         Write(directory + "/average.bin", average) &&
         Write(directory + "/short86.bin", shortForm) &&
         Write(directory + "/bad_trailer.bin", badTrailer) &&
         Write(directory + "/optical.bin", optical);
}

int Usage() {
  std::fprintf(stderr,
               "usage: make_examples <directory>\n"
               "       make_examples --seeds <directory>\n"
               "       make_examples --large <path> <records> [vorta]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && argv[1][0] != '-') return WriteSamples(argv[1]) ? 0 : 1;
  if (argc == 3 && std::strcmp(argv[1], "--seeds") == 0) return WriteSeeds(argv[2]) ? 0 : 1;
  if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "--large") == 0) {
    const int records = std::atoi(argv[3]);
    if (records < 0) return Usage();
    const bool vorta = argc == 5 && std::strcmp(argv[4], "vorta") == 0;
    return Write(argv[2], vorta ? Sonde(records) : LevelLogger(records)) ? 0 : 1;
  }
  return Usage();
}
