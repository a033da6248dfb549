#pragma once

namespace pelcon {

// Conductivity referred to 25 degrees Celsius with a linear 1.91 % per degree compensation.
double SpecificConductance(double conductivity, double celsius);

// The reverse of SpecificConductance: actual conductivity at the given temperature.
double ActualConductance(double specificConductance, double celsius);

// Total dissolved solids: 0.65 x the specific conductance.
double TotalDissolvedSolids(double conductivity, double celsius);

// Resistivity from conductivity in uS/cm.
double Resistivity(double conductivity);

// Practical salinity from conductivity in uS/cm and temperature in degrees Celsius.
double PracticalSalinity(double microsiemens, double celsius);

// Percent oxygen saturation of a dissolved oxygen concentration in mg/L at the given temperature,
// barometric pressure in inches of mercury and salinity.
double OxygenSaturationPercent(double milligrams, double celsius, double inchesHg, double salinity);

}  // namespace pelcon
