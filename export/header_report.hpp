#pragma once

// The descriptive block above the title line of a CSV file: four sections, each a run of
// comma-separated lines with a quoted label first, read straight from the loaded log file.

#include <string>
#include <string_view>

namespace pelcon {

class LogFile;

// The sections as the driver passes them; 4 is not used.
enum HeaderSection : unsigned {
  kHeaderGeneral = 1,
  kHeaderDevice = 2,
  kHeaderTestInfo = 8,
  kHeaderTestDefinition = 16,
};

// Appends the enabled sections, in the order General, Device, Test Info, Test Def, to out, with
// "\n" line ends (the driver turns them into CR LF). csvPath is the file being written; its name
// is printed. "Now" comes from the platform clock.
void WriteHeaderReport(std::string& out, unsigned sections, const LogFile& log,
                       std::string_view csvPath);

// The name of the last filled-in test definition (event, linear, logarithmic, linear average),
// empty when none is filled in.
std::string TestNameOf(const LogFile& log);
// The unit name of the device block, up to its terminating zero.
std::string UnitNameOf(const LogFile& log);

// Empty for a type other than 1 to 4.
std::string_view TestTypeText(int testType);

// Appends one field of a CSV line. A field holding the separator, a double quote, CR or LF is
// quoted with its quotes doubled, so that it reads back as one field; any other goes as it is.
void AppendCsvField(std::string& out, std::string_view field, std::string_view separator);

}  // namespace pelcon
