#include "cli/columns_command.hpp"

#include <cstdio>
#include <optional>

#include "datalib/text_codec.hpp"
#include "jobs/column_listing.hpp"
#include "jobs/inspect_job.hpp"
#include "jobs/json_text.hpp"

namespace pelcon::cli {

int RunColumns(const jobs::ColumnsOptions& options) {
  const bool withFile = !options.file.empty();
  const jobs::ColumnListing listing =
      jobs::ListColumns(withFile ? std::optional(options.file) : std::nullopt);
  if (!listing.error.empty()) {
    std::fprintf(stderr, "pelcon columns: %s: %s\n", options.file.c_str(), listing.error.c_str());
    return 1;
  }
  const std::vector<jobs::ListedColumn>& columns = listing.columns;
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
