#pragma once

#include <string>
#include <string_view>

#include "platform/files.hpp"

namespace pelcon {

// The settings the component keeps in the registry. Reads give empty text when a value is not
// set; writes report whether the value could be stored.
std::string ReadDefaultTemplatePath();
bool WriteDefaultTemplatePath(std::string_view path);
std::string ReadDataPath();
bool WriteDataPath(std::string_view path);

// The size the file dialogs were last left at, as "<width>x<height>" in pixels.
std::string ReadFileDialogSize();
bool WriteFileDialogSize(std::string_view size);

// Starting folders of the file dialogs, below the installation root of the sibling desktop
// application; empty when that application is not installed.
std::string TemplatesFolder();
std::string DataFolder();

// The library's file version, "1.3.0.2".
std::string VersionText();

using platform::FileExists;

}  // namespace pelcon
