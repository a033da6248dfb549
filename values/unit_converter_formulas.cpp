#include "values/unit_converter_formulas.hpp"

#include <cmath>

namespace pelcon {
namespace {

double TemperatureCompensation(double celsius) {
  return (celsius - 25) * 0.0191 + 1;
}

}  // namespace

double SpecificConductance(double conductivity, double celsius) {
  return conductivity / TemperatureCompensation(celsius);
}

double ActualConductance(double specificConductance, double celsius) {
  return TemperatureCompensation(celsius) * specificConductance;
}

double TotalDissolvedSolids(double conductivity, double celsius) {
  return SpecificConductance(conductivity, celsius) * 0.65;
}

double Resistivity(double conductivity) {
  return 1000 / conductivity;
}

// The 1978 practical salinity polynomial with the low-salinity extension of Hill, Dauphinee and
// Woods; the conductivity ratio uses a linear compensation to 15 degrees Celsius against a
// reference of 42933 uS/cm instead of the standard's temperature-dependent ratio.
double PracticalSalinity(double microsiemens, double celsius) {
  const double d = celsius - 15;
  const double r = microsiemens / ((1 + 0.0191 * d) * 42933);
  const double f = d / (1 + 0.0162 * d);
  const double r05 = std::sqrt(r);
  const double r15 = r * r05;
  const double r2 = r * r;
  const double r25 = r2 * r05;
  double s = 0.008 - 0.1692 * r05 + 25.3851 * r + 14.0941 * r15 - 7.0261 * r2 + 2.7081 * r25 +
             f * (0.0005 - 0.0056 * r05 - 0.0066 * r - 0.0375 * r15 + 0.0636 * r2 - 0.0144 * r25);
  const double x = 400 * r;
  const double y = 100 * r;
  s -= 0.008 / (1 + 1.5 * x + x * x) + 0.0005 * f / (1 + std::sqrt(y) + std::pow(y, 1.5));
  return s;
}

// Solubility at one atmosphere from the system's own fit, corrected for pressure and water vapour
// as in the Standard Methods oxygen solubility method.
double OxygenSaturationPercent(double milligrams, double celsius, double inchesHg,
                               double salinity) {
  const double atmospheres = inchesHg * 0.03342245989304812;  // 1 / 29.92
  const double kelvin = celsius + 273.15;
  // 298.15 and 273.15 as 32-bit floats: the fit was made with them.
  const double ts = std::log((298.1499938964844 - celsius) / (273.1499938964844 + celsius));
  const double lnCs =
      2.36611 +
      ts * (3.220504 + ts * (4.04547 + ts * (4.926837 + ts * (0.1016548 + ts * 5.331768)))) +
      salinity * (-0.00624609 + ts * (-0.007423444 + ts * (-0.01048635 + ts * -0.007987907))) -
      4.679983e-7 * salinity * salinity;
  const double cs = std::exp(lnCs);
  const double vapour = std::exp(11.8571 - 3840.7 / kelvin - 216961 / (kelvin * kelvin));
  const double theta = 0.000975 - 1.426e-5 * celsius + 6.436e-8 * celsius * celsius;
  const double cp = cs * atmospheres * ((1 - vapour / atmospheres) * (1 - theta * atmospheres)) /
                    ((1 - vapour) * (1 - theta));
  return milligrams / cp * 100;
}

}  // namespace pelcon
