#include "export/template_plan.hpp"

#include "export/column_name_table.hpp"
#include "export/header_report.hpp"

namespace pelcon {

std::vector<PlanColumnRequest> TemplateColumnRequests(const LogFile& log,
                                                      std::span<const std::string> entries) {
  std::vector<PlanColumnRequest> requests;
  requests.reserve(entries.size());
  for (const std::string& entry : entries) {
    PlanColumnRequest& request = requests.emplace_back();
    request.title = entry;
    const std::string_view valueName = ValueNameForColumn(entry);
    if (valueName == kTestNameValue) {
      request.fixedText = TestNameOf(log);
    } else if (valueName == kDeviceNameValue) {
      request.fixedText = UnitNameOf(log);
    } else {
      request.valueName = valueName;
    }
  }
  return requests;
}

}  // namespace pelcon
