#include "values/value_result_codes.hpp"

#include <cstdint>
#include <string>

#include "datalib/data_map.hpp"

namespace pelcon {
namespace {

constexpr std::string_view kSuccessText = "Success";

void RemoveAll(std::string& text, std::string_view part) {
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
}

}  // namespace

std::string_view ResultText(int code) {
  switch (code) {
    case kResultSuccess:
      return kSuccessText;
    case kResultFailed:
      return "Failed";
    case kResultFunctionError:
      return "Function Err";
    case kResultNameNotFound:
      return "Value Name not found";
    case kResultValueNotAvailable:
      return "Value not avaliable";
    case kResultRootNotFound:
      return "Root Value not found";
    case kResultRootNotAvailable:
      return "Root Value not available";
    case kResultRowNotFound:
      return "Row Value not found";
    case kResultRowNotAvailable:
      return "Row Value not available";
    case kResultAppliedNotFound:
      return "Applied Value not found";
    case kResultAppliedNotAvailable:
      return "Applied Value not available";
    case kResultDerivedNotFound:
      return "Derived Value not found";
    case kResultDerivedNotAvailable:
      return "Derived Value not available";
    case kResultAttributeNotFound:
      return "Value Name Attribute not found";
    default:
      return "Unknown error";
  }
}

void ReportResult(int code, CDataMap& result) {
  if (code == kResultSuccess) {
    result.SetInt(kErrCodeKey, kResultSuccess);
    result.SetString(kErrStrKey, kSuccessText);
    return;
  }
  std::int32_t codes = 0;
  result.GetInt(kErrCodeKey, &codes);
  result.SetInt(kErrCodeKey, codes | code);

  std::string text;
  result.GetString(kErrStrKey, &text);
  RemoveAll(text, kSuccessText);
  text += '\n';
  text += ResultText(code);
  // Messages never end in a line feed, so only the leading one of a first failure needs removing.
  if (text.front() == '\n') text.erase(0, 1);
  result.SetString(kErrStrKey, text);
}

}  // namespace pelcon
