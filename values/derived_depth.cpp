#include "values/derived_value_calculations.hpp"

#include <limits>
#include <optional>

#include "values/derived_value_compute.hpp"
#include "values/unit_converter.hpp"

// Water level from the transducer pressure: depth of water above the sensor, and the level below
// the surface or the top of the casing against a reference taken when the test was set up.

namespace pelcon {
namespace {

constexpr int kPsi = 0;
constexpr int kFeet = 1;
constexpr double kMetersPerFoot = 0.3048;
constexpr double kCentimetersPerFoot = 30.48;
constexpr double kInchesPerFoot = 12;

// Feet of water of a pressure through the water's density and gravity.
double FeetOfWater(double psi, int type, double density, double gravity) {
  double feet = psi;
  ConvertPressureToLevel(psi, feet, type, kPsi, kFeet, density, gravity);
  return feet;
}

// How far the level lies below the reference (c - L) and the user reference, both in feet.
struct ReferencedLevel {
  double belowReference;
  double userReference;
};

ReferencedLevel ReferenceLevel(const LevelReferences& r) {
  const bool byDensity = r.density != 0;
  const bool bySpecificGravity = r.specificGravity > 0;
  const auto feet = [&](double psi) {
    return byDensity ? FeetOfWater(psi, kPressureLevelType, r.density, r.gravity)
                     : ConvertUnits(psi, kPressureLevelType, kPsi, kFeet);
  };
  double level = feet(r.psi);
  double now = 0.0;
  if (byDensity) {
    now = feet(r.nowReference);
  } else {
    if (bySpecificGravity) level /= r.specificGravity;
    now = feet(bySpecificGravity ? r.nowReference / r.specificGravity : r.nowReference);
  }
  // The user reference is taken as a pressure as well, never scaled by the specific gravity.
  const double user = feet(r.userReference);
  const double reference = r.whenToRead != 0 ? r.startOfTestReference : now;
  return {reference - level, user};
}

LevelReferences ReadReferences(const CDataMap& origins) {
  LevelReferences r;
  r.psi = OriginValue(origins, "PSI");
  r.nowReference = OriginValue(origins, "NOW_REFERENCE");
  r.userReference = OriginValue(origins, "USER_REFERENCE");
  // A flag that cannot be read counts as the table's "no value" integer.
  r.whenToRead = std::numeric_limits<std::int32_t>::max();
  origins.GetInt("WHENTOREAD_REF", &r.whenToRead);
  r.gravity = OriginValue(origins, "GRAVITY");
  r.specificGravity = OriginValue(origins, "SPECIFIC_GRAVITY");
  r.density = OriginValue(origins, "DENSITY");
  r.startOfTestReference = OriginValue(origins, "START_OF_TEST_REF");
  return r;
}

}  // namespace

double DepthBelowSurface(const LevelReferences& references) {
  const ReferencedLevel level = ReferenceLevel(references);
  return level.userReference - level.belowReference;
}

double DepthBelowTopOfCasing(const LevelReferences& references) {
  const ReferencedLevel level = ReferenceLevel(references);
  return level.belowReference + level.userReference;
}

int FetchDepthFeet(std::string_view name, CDataMap& result) {
  return DeriveValue(name, result, [](CDataMap& origins) -> std::optional<double> {
    const std::optional<int> type = UnitFamilyOf("PSI", origins);
    if (!type) return std::nullopt;
    const double psi = OriginValue(origins, "PSI");
    const double density = OriginValue(origins, "DENSITY");
    if (density != 0) {
      return FeetOfWater(psi, *type, density, OriginValue(origins, "GRAVITY"));
    }
    // The specific gravity is valid only when positive, so it is not tested again here.
    return ConvertUnits(psi, *type, kPsi, kFeet) / OriginValue(origins, "SPECIFIC_GRAVITY");
  });
}

int FetchDepthMeters(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_FEET", kMetersPerFoot);
}

int FetchDepthCentimeters(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_FEET", kCentimetersPerFoot);
}

int FetchDepthInches(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_FEET", kInchesPerFoot);
}

int FetchSurfaceDepthFeet(std::string_view name, CDataMap& result) {
  return DeriveValue(name, result, [](CDataMap& origins) -> std::optional<double> {
    return DepthBelowSurface(ReadReferences(origins));
  });
}

int FetchSurfaceDepthMeters(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_SURFACE_FEET", kMetersPerFoot);
}

int FetchSurfaceDepthCentimeters(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_SURFACE_FEET", kCentimetersPerFoot);
}

int FetchSurfaceDepthInches(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_SURFACE_FEET", kInchesPerFoot);
}

int FetchCasingDepthFeet(std::string_view name, CDataMap& result) {
  return DeriveValue(name, result, [](CDataMap& origins) -> std::optional<double> {
    return DepthBelowTopOfCasing(ReadReferences(origins));
  });
}

int FetchCasingDepthMeters(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_TOC_FEET", kMetersPerFoot);
}

int FetchCasingDepthCentimeters(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_TOC_FEET", kCentimetersPerFoot);
}

int FetchCasingDepthInches(std::string_view name, CDataMap& result) {
  return ScaleOrigin(name, result, "DEPTH_TOC_FEET", kInchesPerFoot);
}

}  // namespace pelcon
