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
#include "platform/component_activation.hpp"
#include "platform/files.hpp"
#include "platform/move_file.hpp"
#include "platform/notifier.hpp"
#include "platform/owned_bstr.hpp"
#include "platform/path_kind.hpp"
#include "platform/single_instance.hpp"

namespace pelcon::launcher {
namespace {

constexpr const char* kCaption = "pelcon";
constexpr const char* kLibraryName = "libTarvelPelcon.so";

void ShowError(const std::string& text) {
  platform::ShowNotice(text, platform::NoticeIcon::kStop, kCaption);
}

int Convert(IPelcon& component, const ConversionArguments& arguments) {
  if (!platform::IsNonDirectoryFile(arguments.logFilePath)) {
    ShowError("Invalid input bin file");
    return kExitInvalidArguments;
  }
  const bool templateGiven = arguments.templatePath && !arguments.templatePath->empty();
  if (templateGiven && !platform::IsNonDirectoryFile(*arguments.templatePath)) {
    ShowError("Invalid input template file");
  }
  const bool directoryGiven = arguments.outputDirectory.has_value();
  const bool directoryValid = directoryGiven && platform::IsDirectory(*arguments.outputDirectory);
  if (directoryGiven && !directoryValid) ShowError("Invalid input output directory");

  const platform::OwnedBstr logFile(arguments.logFilePath);
  const platform::OwnedBstr templateFile(templateGiven ? *arguments.templatePath : std::string());
  const HRESULT result =
      component.ConvertFile(logFile.get(), templateGiven ? templateFile.get() : nullptr);
  if (result < 0) {
    char text[64];
    std::snprintf(text, sizeof text, "File conversion failed: %08X", static_cast<unsigned>(result));
    ShowError(text);
    return kExitConversionFailed;
  }
  if (!directoryGiven) return kExitSuccess;
  if (!directoryValid) return kExitInvalidArguments;

  const std::string source = arguments.logFilePath + ".csv";
  const std::string destination = DestinationInDirectory(*arguments.outputDirectory, source);
  int error = 0;
  if (!platform::MoveFileWithoutReplacing(source, destination, error)) {
    ShowError("Unable to move " + source + " to " + destination + ": " +
              platform::FileErrorText(error));
    return kExitNotMoved;
  }
  return kExitSuccess;
}

int EditTemplate(IPelcon& component, const std::string& path) {
  const auto dot = path.find_last_of('.');
  if (!platform::IsNonDirectoryFile(path) || dot == std::string::npos ||
      path.substr(dot + 1) != "bft") {
    ShowError("Nothing to do with \"" + path + "\"; pelcon -? shows the usage");
    return kExitInvalidArguments;
  }
  const platform::OwnedBstr templateFile(path);
  // A cancelled or failed edit has shown its own message; only a missing display counts here.
  return component.ConfigureTemplate(templateFile.get()) == E_FAIL ? kExitNotAvailable
                                                                   : kExitSuccess;
}

int Dispatch(IPelcon& component, const LauncherRequest& request) {
  switch (request.action) {
    case LauncherAction::kConvert:
      return Convert(component, request.conversion);
    case LauncherAction::kEditTemplate:
      return EditTemplate(component, request.templateToEdit);
    case LauncherAction::kBatchDialog:
      // The component has said why when it could not open the dialog.
      return component.UIConvertFiles() < 0 ? kExitNotAvailable : kExitSuccess;
    default:
      ShowError("Nothing to do; pelcon -? shows the usage");
      return kExitInvalidArguments;
  }
}

int Register(const LauncherRequest& request) {
  const std::string library = request.library.empty()
                                  ? platform::ExecutableDirectory() + "/" + kLibraryName
                                  : request.library;
  const bool registering = request.action == LauncherAction::kRegister;
  std::string error;
  const HRESULT result = platform::CallLibraryFunction(
      library, registering ? "DllRegisterServer" : "DllUnregisterServer", error);
  if (result < 0) {
    char code[16];
    std::snprintf(code, sizeof code, "%08X", static_cast<unsigned>(result));
    ShowError(std::string(registering ? "Registration" : "Unregistration") + " of " + library +
              " failed: " + (error.empty() ? code : error));
    return kExitComponentMissing;
  }
  return kExitSuccess;
}

int Run(const std::vector<std::string>& arguments) {
  const LauncherRequest request = ParseCommandLine(arguments);
  if (request.action == LauncherAction::kUsage) {
    std::fputs(kUsageText, stdout);
    return kExitSuccess;
  }
  if (request.action == LauncherAction::kVersion) {
    std::printf("Tarvel Pelcon %s\n", PELCON_VERSION);
    return kExitSuccess;
  }

  if (request.action == LauncherAction::kRegister ||
      request.action == LauncherAction::kUnregister) {
    return Register(request);
  }

  platform::SingleInstanceGuard guard;
  if (!guard.Acquire("Tarvel Pelcon")) {
    std::fputs("pelcon: another copy of Tarvel Pelcon is running\n", stderr);
    return kExitAlreadyRunning;
  }

  IPelcon* component = nullptr;
  std::string error;
  if (platform::CreateInProcessInstance(kClsidCoPelconText, kClsidCoPelcon, kIidIPelcon,
                                        kLibraryName, reinterpret_cast<void**>(&component),
                                        error) < 0) {
    platform::ShowNotice("Unable to load DLL", platform::NoticeIcon::kNone, kCaption);
    std::fprintf(stderr, "pelcon: %s\n", error.c_str());
    return kExitComponentMissing;
  }
  const int exitCode = Dispatch(*component, request);
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
