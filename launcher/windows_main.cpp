// Pelcon.exe: the windowless launcher of the Windows build. It takes its command line as one
// string, allows one running copy, and reaches the component only through the component object
// model. Its message boxes carry the program's own name.

#include <windows.h>

#include <cstdio>
#include <string>

#include "component/ipelcon.hpp"
#include "launcher/command_line.hpp"
#include "launcher/exit_codes.hpp"
#include "launcher/windows_command_line.hpp"
#include "platform/component_activation.hpp"
#include "platform/move_file.hpp"
#include "platform/notifier.hpp"
#include "platform/owned_bstr.hpp"
#include "platform/path_kind.hpp"
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

class Launcher {
 public:
  explicit Launcher(IPelcon& component) : component_(component), caption_(ProgramName()) {}

  int Run(const std::string& commandLine) {
    switch (ClassifyCommandLine(commandLine)) {
      case WindowsLauncherAction::kBatchDialog:
        component_.UIConvertFiles();
        return kExitSuccess;
      case WindowsLauncherAction::kUsage:
        Show(kUsageText, platform::NoticeIcon::kInformation);
        return kExitSuccess;
      case WindowsLauncherAction::kConvert:
        return Convert(CutConversionArguments(commandLine));
      case WindowsLauncherAction::kEditTemplate:
        return EditTemplate(FirstPlainArgument(commandLine));
    }
    return kExitInvalidArguments;
  }

 private:
  void Show(const std::string& text, platform::NoticeIcon icon) {
    platform::ShowNotice(text, icon, caption_);
  }

  int Convert(const ConversionArguments& arguments) {
    if (!platform::IsNonDirectoryFile(arguments.logFilePath)) {
      Show("Invalid input bin file", platform::NoticeIcon::kStop);
      return kExitInvalidArguments;
    }
    const bool templateGiven = arguments.templatePath && !arguments.templatePath->empty();
    if (templateGiven && !platform::IsNonDirectoryFile(*arguments.templatePath))
      Show("Invalid input template file", platform::NoticeIcon::kStop);
    const bool directoryGiven = arguments.outputDirectory.has_value();
    if (directoryGiven && !platform::IsDirectory(*arguments.outputDirectory))
      Show("Invalid input output directory", platform::NoticeIcon::kStop);

    const platform::OwnedBstr logFile(arguments.logFilePath);
    const platform::OwnedBstr templateFile(templateGiven ? *arguments.templatePath : std::string());
    const HRESULT result =
        component_.ConvertFile(logFile.get(), templateGiven ? templateFile.get() : nullptr);
    if (FAILED(result)) {
      char text[64];
      std::snprintf(text, sizeof text, "File conversion failed: %08lX",
                    static_cast<unsigned long>(result));
      Show(text, platform::NoticeIcon::kStop);
      return kExitConversionFailed;
    }
    if (!directoryGiven) return kExitSuccess;
    // A file of that name already in the directory stays, and so does the new one beside the log
    // file; only the exit code tells.
    const std::string source = arguments.logFilePath + ".csv";
    int error = 0;
    return platform::MoveFileWithoutReplacing(
               source, DestinationInDirectory(*arguments.outputDirectory, source), error)
               ? kExitSuccess
               : kExitNotMoved;
  }

  int EditTemplate(const std::string& path) {
    if (path.empty() || !platform::IsNonDirectoryFile(path) || !HasTemplateExtension(path))
      return kExitInvalidArguments;
    const platform::OwnedBstr templateFile(path);
    component_.ConfigureTemplate(templateFile.get());
    return kExitSuccess;
  }

  IPelcon& component_;
  std::string caption_;
};

int Run(const std::string& commandLine) {
  platform::SingleInstanceGuard guard;
  if (!guard.Acquire("Tarvel Pelcon")) return kExitAlreadyRunning;

  const HRESULT initialised = ::CoInitialize(nullptr);
  IPelcon* component = nullptr;
  std::string error;
  int exitCode = kExitComponentMissing;
  if (FAILED(platform::CreateInProcessInstance(kClsidCoPelconText, kClsidCoPelcon, kIidIPelcon,
                                               kLibraryName, reinterpret_cast<void**>(&component),
                                               error))) {
    platform::ShowNotice("Unable to load DLL", platform::NoticeIcon::kNone, ProgramName());
  } else {
    exitCode = Launcher(*component).Run(commandLine);
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
