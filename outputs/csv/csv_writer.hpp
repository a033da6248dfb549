#pragma once

#include <functional>
#include <string_view>

#include "outputs/record_run.hpp"
#include "outputs/table.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::outputs {

// Takes the bytes of a CSV file piece by piece; false when they could not be written.
using ByteSink = std::function<bool(std::string_view bytes)>;

// Writes a table as a CSV file: the header text (unless the format leaves it out), the title
// line and one line per record, CR LF line ends, in the format's encoding, times and decimal
// mark. Records are formatted on the run's workers and written in order. The format's separator
// must be set.
RunOutcome WriteCsv(const TableDescription& table, const TableRecords& records,
                    const TextFormat& format, const RecordRun& run, const ByteSink& sink);

}  // namespace pelcon::outputs
