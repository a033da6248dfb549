#pragma once

namespace pelcon {

inline constexpr double kPascalsPerPsi = 6894.757;

// The height in metres of the water above a sensor: h = (P - B - offset) / (density x gravity),
// with the absolute pressure P, the barometric pressure B and the sensors' offset in psi, the
// density in kg/m3 and gravity in m/s2.
double WaterColumnMetres(double pressurePsi, double barometricPsi, double offsetPsi, double density,
                         double gravity);

}  // namespace pelcon
