#pragma once

// The descriptive block above the title line of a CSV file: four sections, each a run of
// comma-separated lines with a quoted label first, read straight from the loaded log file.

#include <string>
#include <string_view>
#include <vector>

namespace pelcon {

class LogFile;

// The sections as the driver passes them; 4 is not used.
enum HeaderSection : unsigned {
  kHeaderGeneral = 1,
  kHeaderDevice = 2,
  kHeaderTestInfo = 8,
  kHeaderTestDefinition = 16,
};

// One cell of a report line, Windows-1252, and how the report writes it: as it is, in quotes
// (the report's own labels and some figures), or as a CSV field quoted only when it must be
// (values taken from the file).
struct HeaderCell {
  enum class Style { kPlain, kQuoted, kField };
  std::string text;
  Style style = Style::kPlain;
};

// One line of the report; a blank line has no cells.
struct HeaderLine {
  std::vector<HeaderCell> cells;
};

using HeaderReport = std::vector<HeaderLine>;

// A line of the report as a label and its value, for outputs that keep them apart.
struct HeaderField {
  std::string label;  // the first cell without its trailing colon: "Serial number"
  std::string value;  // the further cells joined with ", "
};

// The enabled sections, in the order General, Device, Test Info, Test Def. csvPath is the file
// being written; its name is printed. "Now" comes from the platform clock.
HeaderReport MakeHeaderReport(unsigned sections, const LogFile& log, std::string_view csvPath);

// The report as a CSV file has it, with "\n" line ends (the writer makes them CR LF).
std::string RenderHeaderReport(const HeaderReport& report);

// The labelled lines of the report, blank cells trimmed; blank lines are left out.
std::vector<HeaderField> HeaderFieldsOf(const HeaderReport& report);

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
