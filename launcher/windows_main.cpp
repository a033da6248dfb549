// Pelcon.exe: the windowless launcher of the Windows build. It takes its command line as one
// string, allows one running copy, and reaches the component only through the component object
// model. Its message boxes carry the program's own name.

#include <windows.h>

#include <string>

#include "component/ipelcon.hpp"
#include "launcher/exit_codes.hpp"
#include "launcher/launcher_actions.hpp"
#include "launcher/windows_command_line.hpp"
#include "platform/component_activation.hpp"
#include "platform/notifier.hpp"
#include "platform/single_instance.hpp"
#include "platform/win32/system_text.hpp"

namespace pelcon::launcher {
namespace {

constexpr const char* kLibraryName = "TarvelPelcon.dll";

// The program's file name without directory and extension.
std::string ProgramName() {
  std::string name = platform::ModuleFileName(nullptr);
  name = name.substr(name.find_last_of("\\/") + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return name.empty() ? "Pelcon" : name;
}

// One message box for each message, its lines together.
class MessageBoxOutput final : public LauncherOutput {
 public:
  void Error(const std::vector<std::string>& lines) override {
    std::string text;
    for (const std::string& line : lines) text.append(text.empty() ? "" : "\n").append(line);
    platform::ShowNotice(text, platform::NoticeIcon::kStop, caption_);
  }
  void Information(std::string_view text) override {
    platform::ShowNotice(text, platform::NoticeIcon::kInformation, caption_);
  }

 private:
  std::string caption_ = ProgramName();
};

int Run(const std::string& commandLine) {
  MessageBoxOutput output;
  const LauncherRequest request = ParseWindowsCommandLine(commandLine);
  const std::string library = platform::ExecutableDirectory() + "\\" + kLibraryName;
  if (const auto answered = AnswerWithoutComponent(request, library, output)) return *answered;

  // A lock that cannot be taken says nothing about other copies: go on without it.
  platform::SingleInstanceGuard guard;
  if (guard.Acquire("Tarvel Pelcon") == platform::InstanceLock::kHeldByAnother)
    return kExitAlreadyRunning;

  const HRESULT initialised = ::CoInitialize(nullptr);
  IPelcon* component = nullptr;
  std::string error;
  int exitCode = kExitComponentMissing;
  if (FAILED(platform::CreateInProcessInstance(kClsidCoPelconText, kClsidCoPelcon, kIidIPelcon,
                                               kLibraryName, reinterpret_cast<void**>(&component),
                                               error))) {
    platform::ShowNotice("Unable to load DLL", platform::NoticeIcon::kNone, ProgramName());
  } else {
    exitCode = RunComponentRequest(*component, request, output);
    component->Release();
  }
  if (SUCCEEDED(initialised)) ::CoUninitialize();
  return exitCode;
}

}  // namespace
}  // namespace pelcon::launcher

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  return pelcon::launcher::Run(commandLine != nullptr ? commandLine : "");
}
