#pragma once

// What the outputs of a compensation show, whichever the format: the header section's lines and
// the columns of the records.

#include <optional>
#include <string>
#include <vector>

#include "jobs/compensation_run.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::jobs {

enum class CompensatedField {
  kTime,
  kPressure,
  kBarometricPressure,
  kWaterColumn,
  kDepthToWater,
  kElevation,
  kTemperature,
  kCompensated,  // 1 compensated, 0 not
};

struct CompensatedColumn {
  CompensatedField field;
  std::string title;
  std::string units;  // UDUNITS ("psi", "m", "degree_Celsius"); empty for the time and the flag
  int decimals = 0;   // digits after the point
};

// The columns in their order; a depth to water or an elevation only with readings of it.
std::vector<CompensatedColumn> CompensatedColumns(const CompensationSettings& settings);

// A number of the record; nothing for the time and for a value not computed.
std::optional<double> FieldValue(const CompensatedRecord& record, CompensatedField field);

// The lines of the header section, each a label ending in ':' and its values, UTF-8.
std::vector<std::vector<std::string>> CompensationHeaderLines(const CompensationRun& run,
                                                              const outputs::TextFormat& format);

// The time of a record in the format's style.
std::string RecordTimeText(double seconds, const outputs::TextFormat& format);

}  // namespace pelcon::jobs
