#pragma once

#include <string_view>

namespace pelcon::cli {

// What `convert` writes.
enum class OutputFormat { kCsv, kXlsx, kNetcdf };

// Whether this build writes workbooks and NetCDF files: Linux builds with libxlsxwriter and
// libnetcdf; Debian has neither for Windows.
bool TypedOutputsAvailable();

// The output name of a format when --name is not given: "{name}.csv", "{name}.xlsx", "{name}.nc".
std::string_view DefaultNamePattern(OutputFormat format);

}  // namespace pelcon::cli
