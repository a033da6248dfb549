#include "compensation/water_column.hpp"

namespace pelcon {

double WaterColumnMetres(double pressurePsi, double barometricPsi, double offsetPsi, double density,
                         double gravity) {
  return (pressurePsi - barometricPsi - offsetPsi) * kPascalsPerPsi / (density * gravity);
}

}  // namespace pelcon
