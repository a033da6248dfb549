// pelcon: converts a log file from the command line, shows the usage text, or opens the
// component's dialogs. It reaches the component only through its interface.

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/subcommands.hpp"
#include "component/ipelcon.hpp"
#include "launcher/command_line.hpp"
#include "launcher/exit_codes.hpp"
#include "launcher/launcher_actions.hpp"
#include "platform/component_activation.hpp"
#include "platform/notifier.hpp"
#include "platform/single_instance.hpp"

namespace pelcon::launcher {
namespace {

constexpr const char* kLibraryName = "libTarvelPelcon.so";

// Every message one line on stderr, "pelcon: <text>"; what was asked for on stdout.
class TerminalOutput final : public LauncherOutput {
 public:
  void Error(const std::vector<std::string>& lines) override {
    for (const std::string& line : lines)
      platform::ShowNotice(line, platform::NoticeIcon::kStop, "pelcon");
  }
  void Information(std::string_view text) override {
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
};

int Run(const std::vector<std::string>& arguments) {
  TerminalOutput output;
  const LauncherRequest request = ParseLauncherCommandLine(arguments);
  const std::string library = platform::ExecutableDirectory() + "/" + kLibraryName;
  if (const auto answered = AnswerWithoutComponent(request, library, output)) return *answered;

  platform::SingleInstanceGuard guard;
  switch (guard.Acquire("Tarvel Pelcon")) {
    case platform::InstanceLock::kAcquired:
      break;
    case platform::InstanceLock::kHeldByAnother:
      output.Error({"another copy of Tarvel Pelcon is running"});
      return kExitAlreadyRunning;
    case platform::InstanceLock::kUnavailable:
      output.Error({"cannot take the lock that keeps a second copy out (" + guard.Problem() +
                    "); going on without it"});
      break;
  }

  IPelcon* component = nullptr;
  std::string error;
  if (platform::CreateInProcessInstance(kClsidCoPelconText, kClsidCoPelcon, kIidIPelcon,
                                        kLibraryName, reinterpret_cast<void**>(&component),
                                        error) < 0) {
    output.Error({"Unable to load DLL", error});
    return kExitComponentMissing;
  }
  const int exitCode = RunComponentRequest(*component, request, output);
  component->Release();
  return exitCode;
}

}  // namespace
}  // namespace pelcon::launcher

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (!arguments.empty() && pelcon::cli::IsSubcommandName(arguments.front())) {
    return pelcon::cli::RunSubcommand("pelcon", arguments);
  }
  return pelcon::launcher::Run(arguments);
}
