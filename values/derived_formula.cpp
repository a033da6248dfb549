#include "values/derived_formula.hpp"

#include <array>

#include "values/derived_value_calculations.hpp"

namespace pelcon {
namespace {

struct FormulaRow {
  std::string_view name;
  std::string_view familyName;
  DerivedCompute compute;
};

constexpr std::array<FormulaRow, 40> kFormulaRows{{
    {"GRAVITY", "", ComputeGravity},
    {"ELAPSED_DAYS", "", ComputeElapsedDays},
    {"ELAPSED_HOURS", "", ComputeElapsedHours},
    {"ELAPSED_MINUTES", "", ComputeElapsedMinutes},
    {"ELAPSED_SECONDS", "", ComputeElapsedSeconds},
    {"DEGREES_F", "DEGREES_C", ComputeDegreesFahrenheit},
    {"KPASCALS", "PSI", ComputeKilopascals},
    {"CTX_MILLISIEMENS", "", ComputeThousandths},
    {"CTX_SALINITY", "CTX_OHMS", ComputeSalinity},
    {"CTX_TDS", "CTX_OHMS", ComputeDissolvedSolids},
    {"CTX_RESISTANCE", "CTX_OHMS", ComputeResistance},
    {"CTX_SPEC_COND", "CTX_OHMS", ComputeSpecificConductance},
    {"CTX_SPEC_COND_MIL", "CTX_OHMS", ComputeSpecificConductanceMilli},
    {"BARO_BARS", "BARO_PSI", ComputeBarometricBars},
    {"BARO_MILLIBARS", "BARO_PSI", ComputeBarometricMillibars},
    {"BARO_CM_OF_H2O", "BARO_PSI", ComputeBarometricCmOfWater},
    {"BARO_MM_HG", "BARO_PSI", ComputeBarometricMmHg},
    {"BARO_INCHES_HG", "BARO_PSI", ComputeBarometricInchesHg},
    {"ORP_VOLTS", "", ComputeThousandths},
    {"DEPTH_FEET", "PSI", ComputeDepthFeet},
    {"DEPTH_METERS", "", ComputeMeters},
    {"DEPTH_CENTIMETERS", "", ComputeCentimeters},
    {"DEPTH_INCHES", "", ComputeInches},
    {"DEPTH_SURFACE_FEET", "", ComputeSurfaceDepthFeet},
    {"DEPTH_SURFACE_METERS", "", ComputeMeters},
    {"DEPTH_SURFACE_CENTIMETERS", "", ComputeCentimeters},
    {"DEPTH_SURFACE_INCHES", "", ComputeInches},
    {"DEPTH_TOC_FEET", "", ComputeCasingDepthFeet},
    {"DEPTH_TOC_METERS", "", ComputeMeters},
    {"DEPTH_TOC_CENTIMETERS", "", ComputeCentimeters},
    {"DEPTH_TOC_INCHES", "", ComputeInches},
    // Ammonia is never computed.
    {"NH3_MV", "", nullptr},
    {"NH3_MG_L", "", nullptr},
    {"DO_MICROGRAMS", "", ComputeOxygenMicrograms},
    {"DO_MICROMOLES", "", ComputeOxygenMicromoles},
    {"DO_PERCENTAGE", "DO_NA", ComputeSaturation},
    {"OPD_MICROGRAMS", "", ComputeOxygenMicrograms},
    {"OPD_MICROMOLES", "", ComputeOxygenMicromoles},
    {"OPD_PERCENTAGE", "OPD_MILLIGRAMS", ComputeSaturation},
    {"OPD_PERCENTAGE_SENSOR", "OPD_MILLIGRAMS", ComputeSaturation},
}};

// The table's rows of one value: they stand together, in the order its formula reads them.
std::span<const DerivedValueRow> OriginRowsOf(std::string_view name) {
  const std::span<const DerivedValueRow> rows = DerivedValueRows();
  std::size_t first = 0;
  while (first < rows.size() && rows[first].valueName != name) ++first;
  std::size_t last = first;
  while (last < rows.size() && rows[last].valueName == name) ++last;
  return rows.subspan(first, last - first);
}

std::array<DerivedFormula, kFormulaRows.size()> MakeFormulas() {
  std::array<DerivedFormula, kFormulaRows.size()> formulas{};
  for (std::size_t i = 0; i < kFormulaRows.size(); ++i) {
    const FormulaRow& row = kFormulaRows[i];
    formulas[i] = {row.name, row.familyName, row.compute, OriginRowsOf(row.name)};
  }
  return formulas;
}

}  // namespace

std::span<const DerivedFormula> DerivedFormulas() {
  static const std::array<DerivedFormula, kFormulaRows.size()> formulas = MakeFormulas();
  return formulas;
}

const DerivedFormula* FindDerivedFormula(std::string_view name) {
  for (const DerivedFormula& formula : DerivedFormulas()) {
    if (formula.name == name) return &formula;
  }
  return nullptr;
}

}  // namespace pelcon
