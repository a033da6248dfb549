#pragma once

namespace pelcon {

class LogFile;

// The density (kg/m3) and gravity (m/s2) a level file's Level/Depth columns compute with: its
// density setting (g/cm3) with the gravity of its latitude and elevation; without a density,
// water of its specific gravity (else 1000 kg/m3) under standard gravity, as the columns' psi to
// feet factor has it.
struct LevelFileConstants {
  double densityKgPerM3 = 1000;
  double gravity = 9.80665;
};

LevelFileConstants LevelFileConstantsOf(const LogFile& log);

}  // namespace pelcon
