#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compensation/level_unit.hpp"
#include "compensation/series_interpolation.hpp"
#include "export/export_template.hpp"
#include "outputs/output_format.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::jobs {

// Log files to files of a format, one output per input.
struct ConvertOptions {
  std::vector<std::string> inputs;  // log files and folders
  bool recursive = false;
  unsigned jobs = 0;  // 0: one per core
  std::string templatePath;
  std::optional<std::vector<std::string>> columns;  // display names, Windows-1252
  std::string outputDirectory;                      // empty: beside each log file
  std::string namePattern;                          // empty: "{name}" and the format's extension
  outputs::TextFormat format;
  std::string outputFormat = "csv";  // a name of the output registry
  bool metadata = false;             // LOG.bin.json beside each output
  bool overwrite = false;
  bool skipExisting = false;
  bool dryRun = false;
};

// `pelcon inspect`.
struct InspectOptions {
  std::vector<std::string> files;
  bool json = false;
};

// `pelcon columns`.
struct ColumnsOptions {
  std::string file;  // empty: the table alone
  bool json = false;
};

// `pelcon template new` and `pelcon template show`.
struct TemplateNewOptions {
  std::string path;
  std::optional<std::vector<std::string>> columns;  // Windows-1252; absent: every column
  std::string separator = ",";
  std::string emptyField = "-----";
  TemplateSections sections;
  bool overwrite = false;
};

struct TemplateShowOptions {
  std::string path;
  bool json = false;
};

// Level files without the weather: each compensated with one barometric file.
struct CompensateOptions {
  std::string barometricFile;
  std::vector<std::string> levelFiles;
  std::string outputDirectory;  // empty: beside each level file
  outputs::TextFormat format;
  std::string outputFormat = "csv";  // a name of the output registry
  double maxGapMinutes = 60;
  int barometricOffsetMinutes = 0;  // added to the barometric logger's clock
  std::optional<double> density;    // kg/m3; absent: the level file's
  bool densityFromTemperature = false;
  std::optional<double> gravity;  // m/s2; absent: from latitude and site elevation, or the file's
  std::optional<double> latitude;
  std::optional<double> siteElevation;  // metres, for gravity
  double offsetPsi = 0;
  LevelUnit unit = LevelUnit::kMetre;
  // Hand readings: seconds of the level logger's clock and the value in the unit.
  std::vector<TimedValue> depthToWater;
  std::vector<TimedValue> elevation;
  bool overwrite = false;
};

// `pelcon plot`.
struct PlotOptions {
  std::string logFile;
  std::optional<std::vector<std::string>> columns;  // display names, Windows-1252
  std::string barometricFile;                       // set: the compensated plot
  std::string output;                               // empty: LOG.bin.png beside the log file
  int width = 1200;
  int height = 600;
  bool overwrite = false;
  bool quiet = false;
};

}  // namespace pelcon::jobs

namespace pelcon::jobs {

// A hand reading as front ends take it, "TIME=VALUE": an ISO time of the level logger's clock
// ("2009-03-15T15:00:00") and a number; nothing for other text.
std::optional<TimedValue> ParseReading(std::string_view text);

}  // namespace pelcon::jobs
