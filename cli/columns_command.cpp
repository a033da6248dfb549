#include "cli/columns_command.hpp"

#include <cstdio>

#include "cli/column_listing.hpp"
#include "cli/json_text.hpp"
#include "cli/log_opening.hpp"
#include "cli/text_format.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {

int RunColumns(const ColumnsOptions& options) {
  std::vector<ListedColumn> columns;
  const bool withFile = !options.file.empty();
  if (withFile) {
    LogFileReader reader;
    std::string error;
    if (!OpenLogFile(options.file, reader, error)) {
      std::fprintf(stderr, "pelcon columns: %s: %s\n", options.file.c_str(), error.c_str());
      return 1;
    }
    columns = FileColumnListing(reader);
  } else {
    columns = ColumnTableListing();
  }
  std::string text;
  for (const ListedColumn& column : columns) {
    if (options.json) {
      text += JsonLine(ListedColumnJson(column, withFile));
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
