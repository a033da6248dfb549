#include "values/value_dictionary.hpp"

#include <cstdint>

#include "datalib/type_codes.hpp"
#include "logfile/log_file.hpp"
#include "values/value_from_text.hpp"
#include "values/value_function_registry.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

thread_local ValueDictionary* currentDictionary = nullptr;

constexpr std::string_view kStartOfTestReference = "START_OF_TEST_REF";
constexpr std::string_view kConstantOrigin = "ZERO";

// Long enough for every registered name; longer names take the slow path.
constexpr std::size_t kNameBuffer = 64;

char ToUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

ValueDictionary* CurrentValueDictionary() {
  return currentDictionary;
}

ValueDictionary::ValueDictionary() {
  MakeCurrent();
  ValueFunctionRegistry::Instance();
}

ValueDictionary::~ValueDictionary() {
  if (currentDictionary == this) currentDictionary = nullptr;
}

void ValueDictionary::MakeCurrent() {
  currentDictionary = this;
}

void ValueDictionary::AttachLogFile(LogFile& log) {
  MakeCurrent();
  DetachLogFile();
  log_ = &log;
  LoadRootValues();
  rowValues_.Bind(log, rowValidity_);
  applied_.BindAppliedValues(log);
  derived_.ComputeAvailability(rootValidity_, rowValidity_, applied_.Validity());
  attributes_.InheritAttributes(applied_.AliasPairs());
  attached_ = true;
}

void ValueDictionary::DetachLogFile() {
  MakeCurrent();
  attached_ = false;
  log_ = nullptr;
  rootValues_.Clear();
  rootValidity_.Clear();
  ClearRow();
  applied_.RebuildRows();
  derived_.RebuildRows();
}

int ValueDictionary::SelectRow(int index) {
  MakeCurrent();
  ClearRow();
  if (log_ == nullptr) return 0;
  const std::size_t rowCount = log_->RowCount();
  if (index == -1) {
    if (rowCount == 0) return 0;
    index = static_cast<int>(rowCount - 1);
  }
  if (index < 0) return 0;
  const auto position = static_cast<std::size_t>(index);
  const DataRow* row = log_->FetchRow(position);
  if (row == nullptr) return 0;
  rowValues_.Load(*row);
  log_->ReleaseRow(position);
  rowSelected_ = true;
  return 1;
}

// The row values are read only while a row is selected, and every selection overwrites all of
// them.
void ValueDictionary::ClearRow() {
  MakeCurrent();
  rowSelected_ = false;
  derivedResults_.Forget();
}

int ValueDictionary::ResolveValue(std::string_view name, CDataMap& result) {
  MakeCurrent();
  if (!attached_) {
    ReportResult(kResultFailed, result);
    return 0;
  }
  const ValueFunction function = FindValueFunction(name);
  if (function == nullptr) {
    ReportResult(kResultNameNotFound, result);
    return 0;
  }
  // Only a value that others are computed from is asked for again at the same record.
  if (!derived_.IsOriginOfAnother(name)) {
    ReportResult(kResultSuccess, result);
    return function(name, result);
  }
  return derivedResults_.Resolve(name, result, [&](CDataMap& written) {
    ReportResult(kResultSuccess, written);
    return function(name, written);
  });
}

int ValueDictionary::ResolveAttribute(std::string_view name, std::string_view attribute,
                                      CDataMap& result) {
  MakeCurrent();
  if (!attached_) {
    ReportResult(kResultFailed, result);
    return 0;
  }
  const int answer = attributes_.Query(name, attribute, result);
  if (answer != 0) return answer;
  ReportResult(kResultNameNotFound, result);
  return 0;
}

ValueFunction ValueDictionary::FindValueFunction(std::string_view name) const {
  const ValueFunctionRegistry& registry = ValueFunctionRegistry::Instance();
  // Names are short: upper-case them on the stack, as this runs for every cell.
  char buffer[kNameBuffer];
  std::string longName;
  std::string_view upper;
  if (name.size() <= kNameBuffer) {
    for (std::size_t i = 0; i < name.size(); ++i) buffer[i] = ToUpper(name[i]);
    upper = std::string_view(buffer, name.size());
  } else {
    longName.assign(name);
    for (char& c : longName) c = ToUpper(c);
    upper = longName;
  }
  if (const ValueFunction function = registry.Find(upper)) return function;
  if (const std::string* alias = applied_.FindAlias(name)) return registry.Find(*alias);
  return nullptr;
}

int ValueDictionary::FetchRootValue(std::string_view name, CDataMap& result) {
  std::int32_t valid = 0;
  if (rootValidity_.GetBool(name, &valid) == 0) {
    ReportResult(kResultRootNotFound, result);
    return 0;
  }
  if (valid == 0) {
    ReportResult(kResultRootNotAvailable, result);
    return 0;
  }
  return CopyValue(rootValues_, name, name, result);
}

int ValueDictionary::FetchRowValue(std::string_view name, CDataMap& result) {
  if (!rowSelected_) {
    ReportResult(kResultRowNotAvailable, result);
    return 0;
  }
  const RowValues::Value* value = rowValues_.Find(name);
  bool throughAlias = false;
  if (value == nullptr) {
    const std::string* alias = applied_.FindAlias(name);
    value = alias != nullptr ? rowValues_.Find(*alias) : nullptr;
    if (value == nullptr) {
      ReportResult(kResultRowNotFound, result);
      ReportResult(kResultAppliedNotFound, result);
      return 0;
    }
    throughAlias = true;
  }
  if (!value->valid) {
    ReportResult(throughAlias ? kResultAppliedNotAvailable : kResultRowNotAvailable, result);
    return 0;
  }
  ReportResult(kResultSuccess, result);
  RowValues::Store(*value, name, result);
  return 1;
}

int ValueDictionary::PrepareDerivedValue(std::string_view name, CDataMap& result) {
  const std::vector<DerivedValueTable::Origin>* origins = derived_.OriginsOf(name);
  if (origins == nullptr) {
    ReportResult(kResultDerivedNotFound, result);
    return 0;
  }
  for (const DerivedValueTable::Origin& origin : *origins) {
    if (!origin.colValid) {
      ReportResult(kResultDerivedNotAvailable, result);
      return 0;
    }
  }
  for (const DerivedValueTable::Origin& origin : *origins) {
    if (ResolveValue(origin.name, result) == 0) {
      SetValueFromText(result, origin.name, origin.defaultValue, origin.defaultValueType);
    }
  }
  return 1;
}

int ValueDictionary::FallbackDerivedValue(std::string_view name, CDataMap& result) {
  MakeCurrent();
  if (derived_.ConstantOrigins().Exists(name) != 0) {
    if (const auto* origins = derived_.OriginsOf(name)) {
      for (const DerivedValueTable::Origin& origin : *origins) {
        if (origin.name == kConstantOrigin) {
          return SetValueFromText(result, name, origin.defaultValue, origin.defaultValueType);
        }
      }
    }
  }
  return FetchZero(name, result);
}

int ValueDictionary::FetchAppliedType(std::string_view name, int& type, CDataMap& result) {
  MakeCurrent();
  return applied_.FetchAppliedType(name, type, result);
}

int ValueDictionary::CopyValue(const CDataMap& source, std::string_view from, std::string_view to,
                               CDataMap& result) {
  switch (source.GetType(from)) {
    case kTypeCString:
    case kTypeInt:
    case kTypeDouble:
      // Texts of these types are stored in their canonical form (a double's "%.15g" text reads
      // back as a double that prints the same), so the text is what reading and storing the
      // value again would give.
      return result.CopyEntry(source, from, to);
    case kTypeCOleDateTime: {
      DateTimeValue value;
      const int read = source.GetDateTime(from, &value);
      result.SetDateTime(to, value);
      return read;
    }
    default:
      return 0;
  }
}

void ValueDictionary::LoadRootValues() {
  const Block35& site = log_->Blocks().block35;
  const auto store = [this](std::string_view name, auto value, bool valid) {
    if constexpr (std::is_same_v<decltype(value), std::string>) {
      rootValues_.SetString(name, value);
    } else if constexpr (std::is_integral_v<decltype(value)>) {
      rootValues_.SetInt(name, static_cast<std::int32_t>(value));
    } else {
      rootValues_.SetDouble(name, static_cast<double>(value));
    }
    rootValidity_.SetBool(name, valid ? 1 : 0);
  };
  const double startTime = log_->StartTime();
  const double density = site.density;
  const double specificGravity = site.specificGravity;
  const double elevation = site.elevation;
  const double latitude = site.latitude;
  const int displayMode = site.displayMode;
  store("STARTTIME", startTime, startTime > 0);
  store("DENSITY", density, true);
  store("SPECIFIC_GRAVITY", specificGravity, specificGravity > 0);
  store("ELEVATION", elevation, elevation >= 0 && elevation <= 10000);
  store("LATITUDE", latitude, latitude >= 0 && latitude <= 90);
  store("DISPLAY_MODE", displayMode, displayMode < 4);
  store("USER_REFERENCE", double{site.userReference}, true);
  store("NOW_REFERENCE", double{site.nowReference}, true);
  store("WHENTOREAD_REF", int{site.whenToReadReference}, true);
  store(kStartOfTestReference, log_->StartOfTestReference(), log_->HasStartOfTestReference());
  store("DEVICE_SERIAL_NO", log_->SerialNumber(), true);
  store("ENTITY_CODE_STR", std::string(log_->Family().ModelName(log_->DeviceCode())), true);
  for (const LogFamily* family : LogFamilies()) {
    store(family->FlagValueName(), family == &log_->Family() ? 1 : 0, true);
  }
}

}  // namespace pelcon
