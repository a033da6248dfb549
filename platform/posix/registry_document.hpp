#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelcon::platform {

// The registry as the text of a Windows ".reg" export: a header line, then "[key]" sections of
// "Name"="value" lines (@ for the default value), with backslash and double quote escaped in
// names and values. Lines this code does not write itself (comments, values of other types) are
// kept as they are, so a hand-edited file survives a rewrite. The lines end as the file's first
// line does (CR LF or LF); a new document's end in LF.
class RegistryDocument {
 public:
  // Nothing when the text is not such a file; an empty text is an empty registry.
  static std::optional<RegistryDocument> Parse(std::string_view text);
  std::string Serialize() const;

  const std::string* FindString(std::string_view key, std::string_view name) const;
  bool KeyExists(std::string_view key) const;
  std::vector<std::string> Subkeys(std::string_view key) const;

  // False when the key path, name or text cannot be stored (empty key component, line break).
  bool SetString(std::string_view key, std::string_view name, std::string_view text);
  // False when the key path cannot be stored; an existing key is left as it is.
  bool CreateKey(std::string_view key);
  // Each returns whether anything was removed.
  bool DeleteValue(std::string_view key, std::string_view name);
  bool DeleteKey(std::string_view key);

 private:
  struct Entry {
    enum class Kind { kString, kOtherValue, kComment };
    Kind kind;
    std::string name;  // value name; empty for the default value and for comments
    std::string data;  // the text of a string value; otherwise the line(s) as read
  };
  struct Section {
    std::string key;
    std::vector<Entry> entries;
  };

  Section* FindSection(std::string_view key);
  const Section* FindSection(std::string_view key) const;

  std::vector<std::string> preamble_;  // comments before the first section
  std::vector<Section> sections_;
  std::string_view lineEnd_ = "\n";
};

}  // namespace pelcon::platform
