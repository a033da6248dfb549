#include "values/derived_value_calculations.hpp"
#include "values/derived_value_compute.hpp"

// Derived values that are one origin in another unit of its family.

namespace pelcon {
namespace {

// Unit indices within the families of the unit converter.
constexpr int kFahrenheit = 1;
constexpr int kKilopascals = 3;
constexpr int kInchesHg = 1;
constexpr int kBars = 2;
constexpr int kMillibars = 3;
constexpr int kCmOfWater = 4;
constexpr int kMmHg = 5;

// Milligrams of dissolved oxygen per litre to micromoles (1000 / 31.9988 g/mol).
constexpr double kMicromolesPerMilligram = 31.251172;

}  // namespace

int FetchDegreesFahrenheit(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "DEGREES_C", kFahrenheit);
}

int FetchKilopascals(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "PSI", kKilopascals);
}

int FetchBarometricBars(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "BARO_PSI", kBars);
}

int FetchBarometricMillibars(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "BARO_PSI", kMillibars);
}

int FetchBarometricCmOfWater(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "BARO_PSI", kCmOfWater);
}

int FetchBarometricMmHg(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "BARO_PSI", kMmHg);
}

int FetchBarometricInchesHg(std::string_view name, CDataMap& result) {
  return ConvertOrigin(name, result, "BARO_PSI", kInchesHg);
}

int FetchOrpVolts(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "ORP_MILLIVOLTS", 0.001);
}

int FetchMillisiemens(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "CTX_MICROSIEMENS", 0.001);
}

int FetchOxygenMicrograms(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DO_MILLIGRAMS", 1000);
}

int FetchOxygenMicromoles(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DO_MILLIGRAMS", kMicromolesPerMilligram);
}

int FetchOpticalMicrograms(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "OPD_MILLIGRAMS", 1000);
}

int FetchOpticalMicromoles(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "OPD_MILLIGRAMS", kMicromolesPerMilligram);
}

}  // namespace pelcon
