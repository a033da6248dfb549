#include "cli/compensated_output.hpp"

#include <optional>

#include "cli/compensated_csv.hpp"
#include "platform/staged_output.hpp"

#ifdef PELCON_TYPED_OUTPUTS
#include "cli/typed_compensation.hpp"
#endif

namespace pelcon::cli {

WriteResult WriteCompensatedOutput(OutputFormat format, const CompensationRun& run,
                                   const TextFormat& textFormat, const OutputTarget& target,
                                   const RecordCounter& counter) {
  if (format == OutputFormat::kCsv) {
    int error = 0;
    std::optional<platform::StagedOutput> output =
        platform::StagedOutput::Create(target.output, error);
    if (!output) return CreationFailed(target, error);
    if (!output->Write(CompensatedCsv(run, textFormat))) {
      return WritingFailed(target, output->Error());
    }
    if (!counter(run.table.records.size())) return {WriteStatus::kStopped, {}};
    return PublishStaged(*output, target);
  }
#ifdef PELCON_TYPED_OUTPUTS
  return WriteTypedCompensation(format, run, target, counter);
#else
  return {WriteStatus::kFailed, "this build writes CSV files only"};
#endif
}

}  // namespace pelcon::cli
