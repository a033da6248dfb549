#include "cli/compensate_command.hpp"

#include <cstdio>

#include "cli/progress_line.hpp"
#include "jobs/compensate_job.hpp"
#include "jobs/compensation_json.hpp"
#include "jobs/json_text.hpp"
#include "platform/interrupt.hpp"
#include "platform/terminal.hpp"

namespace pelcon::cli {
namespace {

constexpr char kProgram[] = "pelcon compensate";

// Prints an outcome (and the warnings of its run on stderr); false when stdout failed.
bool Report(const jobs::FileOutcome& outcome, const jobs::CompensationRun* run,
            const CompensateCommand& command) {
  if (run && outcome.error.empty()) {
    for (const std::string& warning : run->table.warnings) {
      std::fprintf(stderr, "%s: %s: warning: %s\n", kProgram, outcome.input.c_str(),
                   warning.c_str());
    }
  }
  std::string text;
  if (command.json) {
    nlohmann::json object = jobs::ReportObject(outcome);
    if (run && outcome.status == jobs::FileStatus::kConverted) {
      object["compensation"] = jobs::CompensationJson(*run);
      object["compensation"]["format"] = command.job.outputFormat;
    }
    text = jobs::JsonLine(object);
  } else {
    text = jobs::ReportLine(outcome);
  }
  return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
}

}  // namespace

int RunCompensate(const CompensateCommand& command) {
  platform::CatchInterrupts();
  ProgressLine progress(0);
  const bool showProgress = !command.quiet && platform::IsErrorStreamTerminal();
  bool failed = false;
  jobs::CompensateCallbacks callbacks;
  callbacks.started = [&](std::size_t inputs) {
    progress.SetTotalFiles(inputs);
    if (showProgress) progress.Draw();
  };
  callbacks.recordsWritten = [&](std::size_t records) { progress.AddRecords(records); };
  callbacks.cancelRequested = [] { return platform::InterruptRequested(); };
  callbacks.levelDone = [&](std::size_t, const jobs::FileOutcome& outcome,
                            const jobs::CompensationRun* run) {
    if (platform::InterruptRequested()) return;
    progress.FileDone();
    if (showProgress) progress.Erase();
    failed = !Report(outcome, run, command) || jobs::IsFailure(outcome.status) || failed;
    if (showProgress) progress.Draw();
  };
  const jobs::CompensateResult result = jobs::Compensate(command.job, callbacks);
  if (showProgress) progress.Erase();
  if (!result.error.empty()) {
    std::fprintf(stderr, "%s: %s\n", kProgram, result.error.c_str());
    return 1;
  }
  if (platform::InterruptRequested()) {
    std::fprintf(stderr, "%s: interrupted; no unfinished output was left\n", kProgram);
    return 130;
  }
  return failed ? 1 : 0;
}

}  // namespace pelcon::cli
