#include "export/column_name_table.hpp"

#include <algorithm>
#include <array>

namespace pelcon {
namespace {

constexpr std::array<ColumnName, 54> kColumns{{
    {"Temperature (C)", "DEGREES_C"},
    {"Temperature (F)", "DEGREES_F"},
    {"pH", "PH"},
    {"ORP (V)", "ORP_VOLTS"},
    {"ORP (mv)", "ORP_MILLIVOLTS"},
    {"Ammonium (ppm)", "NH4_PPM"},
    {"Chloride (ppm)", "CL_PPM"},
    {"Nitrate (ppm)", "NO3_PPM"},
    {"Turbidity (NTU)", "TURB_NTU_USER"},
    {"Turbidity (FNU)", "TURB_NTU_USER"},
    {"Battery (volts)", "BATT_V_USER"},
    {"Clark DO (mg/L)", "DO_MILLIGRAMS"},
    {"Clark DO (ug/L)", "DO_MICROGRAMS"},
    {"Clark DO (micromoles/L)", "DO_MICROMOLES"},
    {"Clark DO (%Saturation)", "DO_PERCENTAGE"},
    {"OPD (mg/L)", "OPD_MILLIGRAMS"},
    {"OPD (ug/L)", "OPD_MICROGRAMS"},
    {"OPD (micromoles/L)", "OPD_MICROMOLES"},
    {"OPD (%Saturation)", "OPD_PERCENTAGE"},
    {"Conductivity (mS Actual)", "CTX_MILLISIEMENS"},
    {"Conductivity (\xB5S Actual)", "CTX_MICROSIEMENS"},
    {"Conductivity (Salinity PSU)", "CTX_SALINITY"},
    {"Conductivity (mg/L TDS)", "CTX_TDS"},
    {"Conductivity (Resistance)", "CTX_RESISTANCE"},
    {"Conductivity (OHMS)", "CTX_OHMS"},
    {"Conductivity (Spec Cond - \xB5S)", "CTX_SPEC_COND"},
    {"Conductivity (Spec Cond - mS)", "CTX_SPEC_COND_MIL"},
    {"Pressure (kPa)", "KPASCALS"},
    {"Pressure (PSI)", "PSI"},
    {"Barometric (PSI)", "BARO_PSI"},
    {"Barometric (Bars)", "BARO_BARS"},
    {"Barometric (milliBars)", "BARO_MILLIBARS"},
    {"Barometric (cm H2O)", "BARO_CM_OF_H2O"},
    {"Barometric (mm Hg)", "BARO_MM_HG"},
    {"Barometric (in Hg)", "BARO_INCHES_HG"},
    {"Level/Depth (ft)", "DEPTH_FEET"},
    {"Level/Depth (m)", "DEPTH_METERS"},
    {"Level/Depth (cm)", "DEPTH_CENTIMETERS"},
    {"Level/Depth (in)", "DEPTH_INCHES"},
    {"Level/Depth Surface (ft)", "DEPTH_SURFACE_FEET"},
    {"Level/Depth Surface (m)", "DEPTH_SURFACE_METERS"},
    {"Level/Depth Surface (cm)", "DEPTH_SURFACE_CENTIMETERS"},
    {"Level/Depth Surface (in)", "DEPTH_SURFACE_INCHES"},
    {"Level/Depth TOC (ft)", "DEPTH_TOC_FEET"},
    {"Level/Depth TOC (m)", "DEPTH_TOC_METERS"},
    {"Level/Depth TOC (cm)", "DEPTH_TOC_CENTIMETERS"},
    {"Level/Depth TOC (in)", "DEPTH_TOC_INCHES"},
    {"Time - Time Stamp", "TIMESTAMP"},
    {"Time - Elapsed (Days)", "ELAPSED_DAYS"},
    {"Time - Elapsed (Hours)", "ELAPSED_HOURS"},
    {"Time - Elapsed (Minutes)", "ELAPSED_MINUTES"},
    {"Time - Elapsed (Seconds)", "ELAPSED_SECONDS"},
    {"Site - Test Name", kTestNameValue},
    {"Site - Unit Name", kDeviceNameValue},
}};

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

}  // namespace

std::span<const ColumnName> ColumnNameTable() {
  return kColumns;
}

std::string_view ValueNameForColumn(std::string_view columnEntry) {
  for (const ColumnName& column : kColumns) {
    if (EqualIgnoringCase(column.displayName, columnEntry)) return column.valueName;
  }
  return {};
}

}  // namespace pelcon
