#include "cli/columns_command.hpp"

#include <cstdio>

#include "datalib/text_codec.hpp"
#include "jobs/column_listing.hpp"
#include "jobs/json_text.hpp"
#include "jobs/log_opening.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {

int RunColumns(const jobs::ColumnsOptions& options) {
  std::vector<jobs::ListedColumn> columns;
  const bool withFile = !options.file.empty();
  if (withFile) {
    LogFileReader reader;
    std::string error;
    if (!jobs::OpenLogFile(options.file, reader, error)) {
      std::fprintf(stderr, "pelcon columns: %s: %s\n", options.file.c_str(), error.c_str());
      return 1;
    }
    columns = jobs::FileColumnListing(reader);
  } else {
    columns = jobs::ColumnTableListing();
  }
  std::string text;
  for (const jobs::ListedColumn& column : columns) {
    if (options.json) {
      text += jobs::JsonLine(jobs::ListedColumnJson(column, withFile));
      continue;
    }
    // Columns a file cannot supply are marked; the title is quoted as a template stores it.
    if (withFile) text += column.supplied ? "  " : "- ";
    AppendWindows1252AsUtf8(text, column.title);
    text += "\t" + column.valueName + "\t";
    AppendWindows1252AsUtf8(text, column.unit);
    text += "\n";
  }
  std::fputs(text.c_str(), stdout);
  return 0;
}

}  // namespace pelcon::cli
