#pragma once

#include <string>
#include <string_view>

namespace pelcon::outputs {

// What `convert` and `compensate` write.
enum class OutputFormat { kCsv, kXlsx, kNetcdf };

// Whether this build writes workbooks and NetCDF files: Linux builds with libxlsxwriter and
// libnetcdf; Debian has neither for Windows.
bool TypedOutputsAvailable();

// The name --format gives a format: "csv", "xlsx", "netcdf".
std::string_view OutputFormatName(OutputFormat format);

// The file name extension of a format: ".csv", ".xlsx", ".nc".
std::string_view FileExtension(OutputFormat format);

// The output name of a format when --name is not given: "{name}.csv", "{name}.xlsx", "{name}.nc".
std::string DefaultNamePattern(OutputFormat format);

}  // namespace pelcon::outputs
