#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "datalib/date_time_value.hpp"

// CDataMap: named values stored as text with their type code; the
// result holder of every value query. Keys are compared exactly (letter case significant, no
// trimming). A value can be fetched only under the type code it was stored with.
//
// Differences from the classic two-map layout, none visible through the interface:
// - One hash map from key to {text, code} instead of two parallel maps: a store is one insertion
//   and a fetch one lookup, and "a key is in values exactly when it is in types" holds by
//   construction. The code is kept as an integer, not as decimal text.
// - Lookups take std::string_view and do not build a std::string (heterogeneous lookup); a store
//   under an existing key reuses the entry's text buffer.
// - Persistence (the archive operation) is omitted: nothing in the system uses it.
// - No run-time class information; a CDataMap is an ordinary value type.

namespace pelcon {

class CDataMap {
 public:
  CDataMap() = default;
  virtual ~CDataMap() = default;
  CDataMap(const CDataMap&) = default;
  CDataMap& operator=(const CDataMap&) = default;
  CDataMap(CDataMap&&) = default;
  CDataMap& operator=(CDataMap&&) = default;

  // Generic pair; value points to the C++ type of the code (see type_codes.hpp).
  // Stores the value's text under the key, replacing any earlier entry of any type. Returns 1
  // for codes 1..36; another code still writes the key, with the empty text, and returns 0.
  int SetTypedValue(int code, std::string_view key, const void* value);
  // 0 if the key is absent or was stored under another code (value untouched); otherwise the
  // result of TextToValue (1, the parser's verdict for codes 11..14, the count for arrays).
  int GetTypedValue(std::string_view key, int code, void* value) const;

  int Exists(std::string_view key) const;
  int GetType(std::string_view key) const;                      // 0 for an absent key
  void GetText(std::string_view key, std::string& text) const;  // unchanged if absent
  // The stored text, or nullptr for an absent key; valid until the entry changes.
  const std::string* FindText(std::string_view key) const;
  void Clear();
  // Stores source's entry of `from` here under `to`, its text and type as they are. 0, storing
  // nothing, when source has no such key.
  int CopyEntry(const CDataMap& source, std::string_view from, std::string_view to);
  // The number of stores made into this map so far (every Set, and StoreAll for each entry).
  std::uint64_t StoreCount() const { return storeCount_; }
  // Stores every entry of source (text and type code) that was stored after source's StoreCount
  // was `since`, replacing entries of the same key and keeping the others. A caller that notes
  // the count before a computation into a reused map copies just what the computation wrote.
  void StoreAll(const CDataMap& source, std::uint64_t since = 0);

  void SetString(std::string_view key, std::string_view value);
  int GetString(std::string_view key, std::string* value) const;
  int SetInt(std::string_view key, std::int32_t value);
  int GetInt(std::string_view key, std::int32_t* value) const;
  int SetDouble(std::string_view key, double value);
  int GetDouble(std::string_view key, double* value) const;
  int SetBool(std::string_view key, std::int32_t value);
  int GetBool(std::string_view key, std::int32_t* value) const;
  int SetDateTime(std::string_view key, const DateTimeValue& value);
  int GetDateTime(std::string_view key, DateTimeValue* value) const;

  const std::string& name() const { return name_; }
  void set_name(std::string_view name) { name_.assign(name); }
  // The array separator, ";" unless changed.
  const std::string& separator() const { return separator_; }
  void set_separator(std::string_view separator) { separator_.assign(separator); }

  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string text;
    int code = 0;
    std::uint64_t storedAs = 0;  // the StoreCount this entry's last store made
  };
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const noexcept {
      return std::hash<std::string_view>{}(key);
    }
  };
  using Entries = std::unordered_map<std::string, Entry, KeyHash, std::equal_to<>>;

  // Sets key's entry to (text, code), reusing an existing entry's storage.
  void Store(std::string_view key, std::string_view text, int code);
  // The entry of key if it holds the code, else nullptr.
  const Entry* Typed(std::string_view key, int code) const;

  std::string name_;
  std::string separator_ = ";";
  Entries entries_;
  std::uint64_t storeCount_ = 0;
};

}  // namespace pelcon
