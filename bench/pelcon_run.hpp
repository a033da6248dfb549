#pragma once

#include <string>
#include <vector>

namespace pelcon::bench {

struct PelconRun {
  int exitCode = -1;       // -1 when it could not run or did not exit
  long peakKilobytes = 0;  // the child's peak resident memory
};

// Writes a level-logger file of the records: board temperature and pressure readings that cycle
// (2000 + k % 300, 10000 + k % 5000). False when it cannot be written.
bool WriteLevelLogger(const std::string& path, int records);

// Runs the built pelcon with the arguments in a child process, its report thrown away.
PelconRun RunPelcon(const std::vector<std::string>& arguments);

}  // namespace pelcon::bench
