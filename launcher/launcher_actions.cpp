#include "launcher/launcher_actions.hpp"

#include <cstdio>

#include "launcher/conversion_failure_text.hpp"
#include "launcher/exit_codes.hpp"
#include "platform/component_activation.hpp"
#include "platform/files.hpp"
#include "platform/move_file.hpp"
#include "platform/output_error_handover.hpp"
#include "platform/owned_bstr.hpp"
#include "platform/path_kind.hpp"

namespace pelcon::launcher {
namespace {

int Convert(IPelcon& component, const ConversionArguments& arguments, LauncherOutput& output) {
  if (!platform::IsNonDirectoryFile(arguments.logFilePath)) {
    output.Error({"Invalid input bin file"});
    return kExitInvalidArguments;
  }
  const bool templateGiven = arguments.templatePath && !arguments.templatePath->empty();
  if (templateGiven && !platform::IsNonDirectoryFile(*arguments.templatePath)) {
    output.Error({"Invalid input template file"});
  }
  const bool directoryGiven = arguments.outputDirectory.has_value();
  const bool directoryValid = directoryGiven && platform::IsDirectory(*arguments.outputDirectory);
  if (directoryGiven && !directoryValid) output.Error({"Invalid input output directory"});

  const platform::OwnedBstr logFile(arguments.logFilePath);
  const platform::OwnedBstr templateFile(templateGiven ? *arguments.templatePath : std::string());
  const HRESULT result =
      component.ConvertFile(logFile.get(), templateGiven ? templateFile.get() : nullptr);
  const int outputError = platform::ReceiveOutputError();  // before anything else can change it
  const std::string csv = arguments.logFilePath + ".csv";
  if (result < 0) {
    const auto code = static_cast<std::uint32_t>(result);
    output.Error(
        {ConversionFailedLine(code),
         ExplainConversionFailure({code, arguments.logFilePath, csv, templateGiven, outputError})});
    return kExitConversionFailed;
  }
  if (!directoryGiven) return kExitSuccess;
  if (!directoryValid) {
    output.Error(
        {"Converted into " + csv + ", beside the log file: the output directory does not exist"});
    return kExitInvalidArguments;
  }

  const std::string destination = DestinationInDirectory(*arguments.outputDirectory, csv);
  int error = 0;
  if (!platform::MoveFileWithoutReplacing(csv, destination, error)) {
    output.Error({"Unable to move " + csv + " to " + destination + ": " +
                  platform::FileErrorText(error) + "; the CSV file was left beside the log file"});
    return kExitNotMoved;
  }
  return kExitSuccess;
}

int EditTemplate(IPelcon& component, const std::string& path, LauncherOutput& output) {
  if (!platform::IsNonDirectoryFile(path) || !HasTemplateExtension(path)) {
    output.Error({"Nothing to do with \"" + path + "\"; the switch -? shows the usage"});
    return kExitInvalidArguments;
  }
  const platform::OwnedBstr templateFile(path);
  // A cancelled or failed edit has shown its own message; only a missing display counts here.
  return component.ConfigureTemplate(templateFile.get()) == E_FAIL ? kExitNotAvailable
                                                                   : kExitSuccess;
}

int RegisterLibrary(const LauncherRequest& request, const std::string& defaultLibrary,
                    LauncherOutput& output) {
  const std::string library = request.library.empty() ? defaultLibrary : request.library;
  const bool registering = request.action == LauncherAction::kRegister;
  std::string error;
  const HRESULT result = platform::CallLibraryFunction(
      library, registering ? "DllRegisterServer" : "DllUnregisterServer", error);
  if (result < 0) {
    char code[16];
    std::snprintf(code, sizeof code, "%08X", static_cast<unsigned>(result));
    output.Error({std::string(registering ? "Registration" : "Unregistration") + " of " + library +
                  " failed: " + (error.empty() ? code : error)});
    return kExitComponentMissing;
  }
  return kExitSuccess;
}

}  // namespace

std::optional<int> AnswerWithoutComponent(const LauncherRequest& request,
                                          const std::string& defaultLibrary,
                                          LauncherOutput& output) {
  switch (request.action) {
    case LauncherAction::kUsage:
      output.Information(kUsageText);
      return kExitSuccess;
    case LauncherAction::kVersion:
      output.Information("Tarvel Pelcon " PELCON_VERSION "\n");
      return kExitSuccess;
    case LauncherAction::kRegister:
    case LauncherAction::kUnregister:
      return RegisterLibrary(request, defaultLibrary, output);
    default:
      return std::nullopt;
  }
}

int RunComponentRequest(IPelcon& component, const LauncherRequest& request,
                        LauncherOutput& output) {
  switch (request.action) {
    case LauncherAction::kConvert:
      return Convert(component, request.conversion, output);
    case LauncherAction::kEditTemplate:
      return EditTemplate(component, request.templateToEdit, output);
    case LauncherAction::kBatchDialog:
      // The component has said why when it could not open the dialog.
      return component.UIConvertFiles() < 0 ? kExitNotAvailable : kExitSuccess;
    default:
      output.Error({"Nothing to do; the switch -? shows the usage"});
      return kExitInvalidArguments;
  }
}

}  // namespace pelcon::launcher
