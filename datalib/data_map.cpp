#include "datalib/data_map.hpp"

#include <charconv>

#include "datalib/number_text.hpp"
#include "datalib/type_codes.hpp"
#include "datalib/typed_value_text.hpp"

namespace pelcon {

void CDataMap::Store(std::string_view key, std::string_view text, int code) {
  ++storeCount_;
  const auto found = entries_.find(key);
  if (found != entries_.end()) {
    found->second.text.assign(text);
    found->second.code = code;
    found->second.storedAs = storeCount_;
    return;
  }
  entries_.emplace(std::string(key), Entry{std::string(text), code, storeCount_});
}

const CDataMap::Entry* CDataMap::Typed(std::string_view key, int code) const {
  const auto found = entries_.find(key);
  if (found == entries_.end() || found->second.code != code) return nullptr;
  return &found->second;
}

int CDataMap::SetTypedValue(int code, std::string_view key, const void* value) {
  if (code < 1 || code >= kTypeCodeCount) {
    Store(key, {}, code);
    return 0;
  }
  Store(key, ValueToText(code, value, separator_), code);
  return 1;
}

int CDataMap::GetTypedValue(std::string_view key, int code, void* value) const {
  const Entry* entry = Typed(key, code);
  if (entry == nullptr) return 0;
  return TextToValue(code, entry->text, separator_, value);
}

int CDataMap::Exists(std::string_view key) const {
  return entries_.contains(key) ? 1 : 0;
}

int CDataMap::GetType(std::string_view key) const {
  const auto found = entries_.find(key);
  return found == entries_.end() ? 0 : found->second.code;
}

void CDataMap::GetText(std::string_view key, std::string& text) const {
  if (const std::string* stored = FindText(key)) text = *stored;
}

const std::string* CDataMap::FindText(std::string_view key) const {
  const auto found = entries_.find(key);
  return found == entries_.end() ? nullptr : &found->second.text;
}

void CDataMap::Clear() {
  name_.clear();
  entries_.clear();
}

void CDataMap::StoreAll(const CDataMap& source, std::uint64_t since) {
  for (const auto& [key, entry] : source.entries_) {
    if (entry.storedAs > since) Store(key, entry.text, entry.code);
  }
}

int CDataMap::CopyEntry(const CDataMap& source, std::string_view from, std::string_view to) {
  const auto found = source.entries_.find(from);
  if (found == source.entries_.end()) return 0;
  Store(to, found->second.text, found->second.code);
  return 1;
}

void CDataMap::SetString(std::string_view key, std::string_view value) {
  Store(key, value, kTypeCString);
}

int CDataMap::GetString(std::string_view key, std::string* value) const {
  const Entry* entry = Typed(key, kTypeCString);
  if (entry == nullptr) return 0;
  *value = entry->text;
  return 1;
}

// Per cell as well ("ErrCode"): decimal digits on the stack, as SetTypedValue would write them.
int CDataMap::SetInt(std::string_view key, std::int32_t value) {
  char buffer[16];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  Store(key, std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)), kTypeInt);
  return 1;
}

int CDataMap::GetInt(std::string_view key, std::int32_t* value) const {
  const Entry* entry = Typed(key, kTypeInt);
  if (entry == nullptr) return 0;
  *value = static_cast<std::int32_t>(ReadInteger(entry->text));
  return 1;
}

// The per-cell path: format into a stack buffer and store without a temporary string.
int CDataMap::SetDouble(std::string_view key, double value) {
  char buffer[kNumberTextSize];
  Store(key, std::string_view(buffer, FormatDoubleTo(value, buffer)), kTypeDouble);
  return 1;
}

int CDataMap::GetDouble(std::string_view key, double* value) const {
  const Entry* entry = Typed(key, kTypeDouble);
  if (entry == nullptr) return 0;
  *value = ReadFloating(entry->text);
  return 1;
}

int CDataMap::SetBool(std::string_view key, std::int32_t value) {
  Store(key, FormatBool(value), kTypeBOOL);
  return 1;
}

int CDataMap::GetBool(std::string_view key, std::int32_t* value) const {
  const Entry* entry = Typed(key, kTypeBOOL);
  if (entry == nullptr) return 0;
  *value = ReadBool(entry->text);
  return 1;
}

int CDataMap::SetDateTime(std::string_view key, const DateTimeValue& value) {
  return SetTypedValue(kTypeCOleDateTime, key, &value);
}

int CDataMap::GetDateTime(std::string_view key, DateTimeValue* value) const {
  return GetTypedValue(key, kTypeCOleDateTime, value);
}

}  // namespace pelcon
