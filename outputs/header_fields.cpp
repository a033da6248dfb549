#include "outputs/header_fields.hpp"

namespace pelcon::outputs {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Takes the first field off the line: a quoted one loses its quotes and its doubled quotes.
std::string TakeField(std::string_view& line) {
  line = Trimmed(line);
  std::string field;
  if (!line.empty() && line.front() == '"') {
    std::size_t k = 1;
    for (; k < line.size(); ++k) {
      if (line[k] == '"') {
        if (k + 1 < line.size() && line[k + 1] == '"') {
          field.push_back('"');
          ++k;
          continue;
        }
        ++k;
        break;
      }
      field.push_back(line[k]);
    }
    line.remove_prefix(k);
  } else {
    const std::size_t comma = std::min(line.find(','), line.size());
    field = line.substr(0, comma);
    line.remove_prefix(comma);
  }
  line = Trimmed(line);
  if (!line.empty() && line.front() == ',') line.remove_prefix(1);
  return std::string(Trimmed(field));
}

}  // namespace

std::vector<HeaderField> SplitHeaderReport(std::string_view report) {
  std::vector<HeaderField> fields;
  while (!report.empty()) {
    const std::size_t end = report.find('\n');
    std::string_view line = report.substr(0, end);
    report.remove_prefix(end == report.npos ? report.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (Trimmed(line).empty()) continue;
    HeaderField field;
    field.label = TakeField(line);
    if (!field.label.empty() && field.label.back() == ':') field.label.pop_back();
    // Further fields are joined with ", ".
    while (!line.empty()) {
      if (!field.value.empty()) field.value += ", ";
      field.value += TakeField(line);
    }
    fields.push_back(std::move(field));
  }
  return fields;
}

}  // namespace pelcon::outputs
