#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "compensation/log_records.hpp"
#include "datalib/date_time_value.hpp"
#include "datalib/text_helpers.hpp"
#include "export/column_name_table.hpp"
#include "jobs/column_listing.hpp"
#include "outputs/text_format.hpp"
#include "plot/image_format.hpp"

namespace pelcon::cli {
namespace {

constexpr std::string_view kSubcommands[] = {"convert",  "inspect",    "columns",
                                             "template", "compensate", "plot"};

// Display names from a comma-separated list. Command-line text is UTF-8; a list that is not is
// taken as Windows-1252 bytes already. Every name must name a column.
std::vector<std::string> ParseColumnList(const std::string& list) {
  std::vector<std::string> names;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type comma = list.find(',', start);
    std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    std::optional<std::string> column = jobs::TableColumnNamed(name);
    if (!column) {
      throw CLI::ValidationError("--columns", jobs::UnknownColumnMessage(name));
    }
    names.push_back(std::move(*column));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return names;
}

TemplateSections ParseSections(const std::string& list) {
  TemplateSections sections;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type comma = list.find(',', start);
    const std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
    if (name == "general") {
      sections.generalInfo = true;
    } else if (name == "device") {
      sections.deviceInfo = true;
    } else if (name == "test-info") {
      sections.testInfo = true;
    } else if (name == "test-definition") {
      sections.testDefinition = true;
    } else if (!name.empty() && name != "none") {
      throw CLI::ValidationError(
          "--sections",
          "unknown section \"" + name + "\" (general, device, test-info, test-definition)");
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return sections;
}

// The text options as typed.
struct TextOptionText {
  std::string encoding = "utf-8";
  std::string time = "iso";
  std::string utcOffset;
};

// The text options of the subcommands that write files: one set, one meaning for all.
void AddTextOptions(CLI::App& command, outputs::TextFormat& format, TextOptionText& text) {
  command.add_option("--encoding", text.encoding, "utf-8 or windows-1252")
      ->check(CLI::IsMember({"utf-8", "windows-1252"}))
      ->capture_default_str();
  command
      .add_option("--time", text.time,
                  "iso (2009-03-15T14:30:00) or us (03/15/09 14:30:00, as pelcon -f writes)")
      ->check(CLI::IsMember({"iso", "us"}))
      ->capture_default_str();
  CLI::Option* offsetOption = command.add_option(
      "--utc-offset", text.utcOffset, "The logger clock's offset from UTC, +HH:MM or -HH:MM");
  command.add_flag("--to-utc", format.toUtc, "Write ISO times in UTC")->needs(offsetOption);
  command.add_flag("--decimal-comma", format.decimalComma,
                   "A comma as decimal mark (separator ';')");
  command.add_option("--separator", format.separator,
                     "Field separator (default: the template's, else ',')");
  command.add_flag(
      "--no-header", [&format](std::int64_t) { format.headerReport = false; },
      "The title line and the data only");
  command.add_flag("--bom", format.byteOrderMark, "Begin UTF-8 files with a byte order mark");
}

void FinishTextOptions(outputs::TextFormat& format, const TextOptionText& text) {
  format.encoding =
      text.encoding == "utf-8" ? outputs::TextEncoding::kUtf8 : outputs::TextEncoding::kWindows1252;
  format.time = text.time == "iso" ? outputs::TimeStyle::kIso : outputs::TimeStyle::kUs;
  if (format.byteOrderMark && format.encoding != outputs::TextEncoding::kUtf8) {
    throw CLI::ValidationError("--bom", "a byte order mark is for --encoding utf-8 only");
  }
  if (!text.utcOffset.empty()) {
    format.utcOffsetMinutes = outputs::ParseUtcOffset(text.utcOffset);
    if (!format.utcOffsetMinutes) {
      throw CLI::ValidationError("--utc-offset",
                                 "\"" + text.utcOffset + "\" is not +HH:MM or -HH:MM");
    }
  }
}

// --format of the subcommands that write a file per input: the formats of this build.
void AddFormatOption(CLI::App& command, std::string& format) {
  std::string described;
  std::vector<std::string> names;
  for (const outputs::OutputFormat& registered : outputs::OutputFormats()) {
    if (!described.empty()) described += ", ";
    described += std::string(registered.name) + " (" + std::string(registered.summary) + ")";
    names.emplace_back(registered.name);
  }
  command.add_option("--format", format, described)
      ->check(CLI::IsMember(names))
      ->capture_default_str();
}

void AddConvert(CLI::App& app, ConvertCommand& command, std::string& columns,
                TextOptionText& text) {
  jobs::ConvertOptions& o = command.job;
  CLI::App* c =
      app.add_subcommand("convert", "Convert log files (and folders of them) into CSV files");
  c->add_option("INPUT", o.inputs, "Log files and folders of log files")->required();
  c->add_flag("-r,--recursive", o.recursive, "Descend into subfolders");
  c->add_option("-j,--jobs", o.jobs, "Files converted at once (default: one per core)")
      ->check(CLI::Range(1u, 256u));
  c->add_option("-t,--template", o.templatePath, "Export template (.bft)")
      ->check(CLI::ExistingFile);
  c->add_option("--columns", columns, "Comma-separated display names instead of a template");
  c->add_option("-o,--output-dir", o.outputDirectory, "Output folder, created if missing");
  AddFormatOption(*c, o.outputFormat);
  c->add_option("--name", o.namePattern,
                "Output file name; {name} is the log file's name, {stem} without extension "
                "(default: {name}.csv, {name}.xlsx or {name}.nc)");
  c->add_flag("--metadata", o.metadata,
              "Also write LOG.bin.json beside each output: the inspect JSON and the columns");
  AddTextOptions(*c, o.format, text);
  c->add_flag("--overwrite", o.overwrite, "Replace existing outputs");
  c->add_flag("--skip-existing", o.skipExisting,
              "Skip inputs whose output is newer than the input");
  c->add_flag("-q,--quiet", command.quiet, "No progress line");
  c->add_flag("--json", command.json, "One JSON object per file instead of the report lines");
  c->add_flag("-n,--dry-run", o.dryRun, "List what would be written; write nothing");
}

TimedValue ParseReadingOption(const std::string& option, const std::string& text) {
  const std::optional<TimedValue> reading = jobs::ParseReading(text);
  if (!reading) {
    throw CLI::ValidationError(option,
                               "\"" + text + "\" is not TIME=VALUE (2009-03-15T15:00:00=3.25)");
  }
  return *reading;
}

struct CompensateText {
  std::vector<std::string> depthToWater, elevation;
  std::string baroOffset, units = "m";
};

void AddCompensate(CLI::App& app, CompensateCommand& command, CompensateText& text,
                   TextOptionText& textOptions) {
  jobs::CompensateOptions& o = command.job;
  CLI::App* c = app.add_subcommand(
      "compensate",
      "Subtract a barometric record from level records and tie them to hand readings");
  c->add_option("--baro", o.barometricFile, "The barometric logger's file")->required();
  c->add_option("LEVEL", o.levelFiles, "Level loggers' files")->required();
  c->add_option("-o,--output-dir", o.outputDirectory, "Output folder, created if missing");
  AddFormatOption(*c, o.outputFormat);
  AddTextOptions(*c, o.format, textOptions);
  c->add_option("--max-gap", o.maxGapMinutes,
                "Minutes a barometric record may lie from a level record")
      ->check(CLI::PositiveNumber)
      ->capture_default_str();
  c->add_option("--baro-offset", text.baroOffset,
                "Added to the barometric clock to match the level clock, +HH:MM or -HH:MM");
  CLI::Option* density =
      c->add_option("--density", o.density, "Water density, kg/m3 (default: the level file's)")
          ->check(CLI::PositiveNumber);
  c->add_flag("--density-from-temperature", o.densityFromTemperature,
              "Fresh-water density at each record's temperature")
      ->excludes(density);
  CLI::Option* gravity = c->add_option("--gravity", o.gravity, "m/s2 (default: the level file's)")
                             ->check(CLI::PositiveNumber);
  CLI::Option* latitude =
      c->add_option("--latitude", o.latitude, "Degrees, with --site-elevation for gravity")
          ->check(CLI::Range(-90.0, 90.0))
          ->excludes(gravity);
  c->add_option("--site-elevation", o.siteElevation, "Metres, with --latitude for gravity")
      ->excludes(gravity)
      ->needs(latitude);
  c->add_option("--offset", o.offsetPsi, "Pressure offset between the sensors, psi")
      ->capture_default_str();
  c->add_option("--units", text.units, "m, ft or cm")
      ->check(CLI::IsMember({"m", "ft", "cm"}))
      ->capture_default_str();
  c->add_option("--depth-to-water", text.depthToWater,
                "TIME=VALUE: a hand-measured depth to water (repeatable)")
      ->allow_extra_args(false);
  c->add_option("--elevation", text.elevation,
                "TIME=VALUE: a water-level elevation above a datum (repeatable)")
      ->allow_extra_args(false);
  c->add_flag("--overwrite", o.overwrite, "Replace existing outputs");
  c->add_flag("-q,--quiet", command.quiet, "No progress line");
  c->add_flag("--json", command.json, "One JSON object per level file instead of the report lines");
}

// "WIDTHxHEIGHT" in pixels, each 100 to 10000.
bool ParseImageSize(const std::string& text, int& width, int& height) {
  const char* end = text.data() + text.size();
  const auto [widthEnd, widthError] = std::from_chars(text.data(), end, width);
  if (widthError != std::errc() || widthEnd == end || (*widthEnd != 'x' && *widthEnd != 'X')) {
    return false;
  }
  const auto [heightEnd, heightError] = std::from_chars(widthEnd + 1, end, height);
  const auto inRange = [](int pixels) { return pixels >= 100 && pixels <= 10000; };
  return heightError == std::errc() && heightEnd == end && inRange(width) && inRange(height);
}

struct PlotText {
  std::string columns, size = "1200x600";
};

CLI::App* AddPlot(CLI::App& app, jobs::PlotOptions& o, PlotText& text) {
  CLI::App* c = app.add_subcommand("plot", "Draw a log file's columns against time (PNG or SVG)");
  c->add_option("LOG", o.logFile, "The log file")->required();
  CLI::Option* columns = c->add_option(
      "--columns", text.columns, "Comma-separated display names (default: all the file supplies)");
  c->add_option("--baro", o.barometricFile,
                "A barometric logger's file: raw level, barometric pressure and water column")
      ->excludes(columns);
  c->add_option("-o,--output", o.output, "OUT.png or OUT.svg (default: LOG.bin.png beside it)");
  c->add_option("--size", text.size, "Image size in pixels, WIDTHxHEIGHT")->capture_default_str();
  c->add_flag("--overwrite", o.overwrite, "Replace an existing image");
  c->add_flag("-q,--quiet", o.quiet, "No report line");
  return c;
}

void FinishPlot(jobs::PlotOptions& plot, const PlotText& text) {
  if (!text.columns.empty()) plot.columns = ParseColumnList(text.columns);
  if (!ParseImageSize(text.size, plot.width, plot.height)) {
    throw CLI::ValidationError(
        "--size", "\"" + text.size + "\" is not WIDTHxHEIGHT, each 100 to 10000 pixels");
  }
  if (plot.output.empty()) plot.output = plot.logFile + ".png";
  if (!plot::ImageFormatOf(plot.output)) {
    throw CLI::ValidationError("--output", "the image's name must end in .png or .svg");
  }
}

}  // namespace

bool IsSubcommandName(std::string_view firstArgument) {
  return std::find(std::begin(kSubcommands), std::end(kSubcommands), firstArgument) !=
         std::end(kSubcommands);
}

ParsedCommand ParseCommandLine(const std::string& program,
                               const std::vector<std::string>& arguments) {
  CLI::App app("Tarvel Pelcon: log files to CSV, for scripts", program);
  app.require_subcommand(1);

  ConvertCommand convertCommand;
  jobs::ConvertOptions& convert = convertCommand.job;
  std::string columns;
  TextOptionText text;
  AddConvert(app, convertCommand, columns, text);
  CompensateCommand compensateCommand;
  jobs::CompensateOptions& compensate = compensateCommand.job;
  CompensateText compensateText;
  AddCompensate(app, compensateCommand, compensateText, text);
  jobs::PlotOptions plot;
  PlotText plotText;
  CLI::App* plotCommand = AddPlot(app, plot, plotText);

  jobs::InspectOptions inspect;
  CLI::App* inspectCommand = app.add_subcommand("inspect", "Show what a log file's header holds");
  inspectCommand->add_option("FILE", inspect.files, "Log files")->required();
  inspectCommand->add_flag("--json", inspect.json, "JSON (schema 1, see docs/inspect-json.md)");

  jobs::ColumnsOptions columnsOptions;
  CLI::App* columnsCommand =
      app.add_subcommand("columns", "List the columns, or those a log file can supply");
  columnsCommand->add_option("FILE", columnsOptions.file, "A log file");
  columnsCommand->add_flag("--json", columnsOptions.json, "JSON");

  CLI::App* templateCommand = app.add_subcommand("template", "Make or show export templates");
  templateCommand->require_subcommand(1);
  jobs::TemplateNewOptions templateNew;
  std::string templateColumns;
  std::string sections = "general,device,test-info,test-definition";
  CLI::App* newCommand = templateCommand->add_subcommand("new", "Write a new template (.bft)");
  newCommand->add_option("PATH", templateNew.path, "The template to write")->required();
  newCommand->add_option("--columns", templateColumns,
                         "Comma-separated display names (default: all)");
  newCommand->add_option("--separator", templateNew.separator, "Field separator")
      ->capture_default_str();
  newCommand->add_option("--empty-field", templateNew.emptyField, "Text of an empty cell")
      ->capture_default_str();
  newCommand->add_option("--sections", sections, "Header sections, or none")->capture_default_str();
  newCommand->add_flag("--overwrite", templateNew.overwrite, "Replace an existing template");
  jobs::TemplateShowOptions templateShow;
  CLI::App* showCommand = templateCommand->add_subcommand("show", "Print a template");
  showCommand->add_option("PATH", templateShow.path, "The template")
      ->required()
      ->check(CLI::ExistingFile);
  showCommand->add_flag("--json", templateShow.json, "JSON");

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
    if (*app.get_subcommand("convert")) {
      if (!columns.empty()) convert.columns = ParseColumnList(columns);
      if (convert.columns && !convert.templatePath.empty()) {
        throw CLI::ValidationError("--columns", "excludes -t/--template");
      }
      FinishTextOptions(convert.format, text);
      const bool named = app.get_subcommand("convert")->get_option("--name")->count() > 0;
      if ((named && convert.namePattern.empty()) ||
          convert.namePattern.find_first_of("/\\") != std::string::npos) {
        throw CLI::ValidationError("--name", "must be a file name without folders");
      }
      return convertCommand;
    }
    if (*app.get_subcommand("compensate")) {
      FinishTextOptions(compensate.format, text);
      if (!compensateText.baroOffset.empty()) {
        const std::optional<int> minutes = outputs::ParseUtcOffset(compensateText.baroOffset);
        if (!minutes) {
          throw CLI::ValidationError(
              "--baro-offset", "\"" + compensateText.baroOffset + "\" is not +HH:MM or -HH:MM");
        }
        compensate.barometricOffsetMinutes = *minutes;
      }
      if (compensate.latitude && !compensate.siteElevation) compensate.siteElevation = 0.0;
      compensate.unit = *LevelUnitOf(compensateText.units);
      for (const std::string& reading : compensateText.depthToWater) {
        compensate.depthToWater.push_back(ParseReadingOption("--depth-to-water", reading));
      }
      for (const std::string& reading : compensateText.elevation) {
        compensate.elevation.push_back(ParseReadingOption("--elevation", reading));
      }
      return compensateCommand;
    }
    if (*plotCommand) {
      FinishPlot(plot, plotText);
      return plot;
    }
    if (*inspectCommand) return inspect;
    if (*columnsCommand) return columnsOptions;
    if (*newCommand) {
      if (!templateColumns.empty()) templateNew.columns = ParseColumnList(templateColumns);
      templateNew.sections = ParseSections(sections);
      return templateNew;
    }
    return templateShow;
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      // --help: the help of the subcommand it was given to.
      return ParseEnd{app.exit(error), {}};
    }
    // Messages name the subcommand as far as it was recognised: "pelcon template new: ...".
    std::string name = program;
    for (const CLI::App* command = &app; !command->get_subcommands().empty();) {
      command = command->get_subcommands().front();
      name += " " + command->get_name();
    }
    std::fprintf(stderr, "%s: %s\n%s: see %s --help\n", name.c_str(), error.what(), name.c_str(),
                 name.c_str());
    return ParseEnd{2, error.what()};
  }
}

}  // namespace pelcon::cli
