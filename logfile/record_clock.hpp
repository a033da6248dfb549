#pragma once

// The time of each data record: the test's start plus an offset that depends on the test type.

#include <array>
#include <cstddef>
#include <cstdint>

#include "logfile/log_blocks.hpp"

namespace pelcon {

// Elapsed days since the start of a Logarithmic test for its first records.
inline constexpr std::size_t kLogScheduleSize = 218;
extern const std::array<double, kLogScheduleSize> kLogSchedule;

// The record index from which a Logarithmic test logs at its maximum interval (in days),
// clamped into 1..218.
int LogarithmicCrossover(double maxIntervalDays);

// The current local time as a Julian date (PELCON_NOW overrides the clock).
double LocalNowJulian();

// The Julian date of a stamp (hundredths become milliseconds).
double StampToJulian(const Stamp& stamp);

class RecordClock {
 public:
  // `testType` 1 to 4 picks the definition in `blocks` that spaces the records.
  RecordClock(const LogBlocks& blocks, int testType, double startTime);

  // The time of record `index`; `elapsedSeconds` is an Event record's own offset.
  double TimeOf(std::size_t index, std::uint32_t elapsedSeconds);

 private:
  int testType_;
  double start_;
  double interval_ = 0.0;  // days
  int crossover_ = 1;      // Logarithmic only
  double now_ = 0.0;       // taken at the first Event record that needs it
};

}  // namespace pelcon
