#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelcon::outputs {

// One line of the header report: its label and the rest of the line.
struct HeaderField {
  std::string label;  // without the quotes and the trailing colon: "Serial number"
  std::string value;  // the further fields unquoted, joined with ", "
};

// The lines of a header report that carry a label, in order; blank lines are left out.
std::vector<HeaderField> SplitHeaderReport(std::string_view report);

}  // namespace pelcon::outputs
