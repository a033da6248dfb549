#include "jobs/compensated_output.hpp"

#include <optional>

#include "jobs/compensated_csv.hpp"
#include "platform/staged_output.hpp"

#ifdef PELCON_TYPED_OUTPUTS
#include "jobs/typed_compensation.hpp"
#endif

namespace pelcon::jobs {

outputs::WriteResult WriteCompensatedOutput(outputs::OutputFormat format,
                                            const CompensationRun& run,
                                            const outputs::TextFormat& textFormat,
                                            const outputs::OutputTarget& target,
                                            const outputs::RecordCounter& counter) {
  if (format == outputs::OutputFormat::kCsv) {
    int error = 0;
    std::optional<platform::StagedOutput> output =
        platform::StagedOutput::Create(target.output, error);
    if (!output) return outputs::CreationFailed(target, error);
    if (!output->Write(CompensatedCsv(run, textFormat))) {
      return outputs::WritingFailed(target, output->Error());
    }
    if (!counter(run.table.records.size())) return {outputs::WriteStatus::kStopped, {}};
    return outputs::PublishStaged(*output, target);
  }
#ifdef PELCON_TYPED_OUTPUTS
  return WriteTypedCompensation(format, run, target, counter);
#else
  return {outputs::WriteStatus::kFailed, "this build writes CSV files only"};
#endif
}

}  // namespace pelcon::jobs
