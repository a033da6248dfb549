#include "export/settings.hpp"

#include <cstdio>

#include "export/path_names.hpp"
#include "platform/path_separator.hpp"
#include "platform/registry.hpp"

namespace pelcon {
namespace {

constexpr std::string_view kSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Pelcon";
constexpr std::string_view kTemplateValue = "Template PathFile";
constexpr std::string_view kDataPathValue = "Data Path";
constexpr std::string_view kFileDialogSizeValue = "File Dialog Size";
constexpr std::string_view kDunmarkKey =
    "HKEY_LOCAL_MACHINE\\Software\\Tarvel Inc.\\Dunmark\\AppInfo";
constexpr std::string_view kRootValue = "DMRoot";

std::string ReadSetting(std::string_view name) {
  return platform::ReadRegistryString(kSettingsKey, name).value_or(std::string());
}

// An existing but empty root still gives a folder ("/Templates"), as the installed application
// would have it.
std::string FolderBelowRoot(std::string_view folder) {
  std::optional<std::string> root = platform::ReadRegistryString(kDunmarkKey, kRootValue);
  if (!root) return {};
  std::string path = std::move(*root);
  if (path.empty() || !IsPathSeparator(path.back())) path.push_back(platform::kPathSeparator);
  path.append(folder);
  return path;
}

}  // namespace

std::string ReadDefaultTemplatePath() {
  return ReadSetting(kTemplateValue);
}

bool WriteDefaultTemplatePath(std::string_view path) {
  return platform::WriteRegistryString(kSettingsKey, kTemplateValue, path);
}

std::string ReadDataPath() {
  return ReadSetting(kDataPathValue);
}

bool WriteDataPath(std::string_view path) {
  return platform::WriteRegistryString(kSettingsKey, kDataPathValue, path);
}

std::string ReadFileDialogSize() {
  return ReadSetting(kFileDialogSizeValue);
}

bool WriteFileDialogSize(std::string_view size) {
  return platform::WriteRegistryString(kSettingsKey, kFileDialogSizeValue, size);
}

std::string TemplatesFolder() {
  return FolderBelowRoot("Templates");
}

std::string DataFolder() {
  return FolderBelowRoot("Data");
}

std::string VersionText() {
  char text[48];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", PELCON_VERSION_MAJOR, PELCON_VERSION_MINOR,
                PELCON_VERSION_PATCH, PELCON_VERSION_TWEAK);
  return text;
}

}  // namespace pelcon
