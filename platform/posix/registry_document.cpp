#include "platform/posix/registry_document.hpp"

#include <algorithm>

namespace pelcon::platform {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Windows compares key and value names without regard to case.
bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// True when path names a key somewhere below key.
bool IsBelow(std::string_view path, std::string_view key) {
  return path.size() > key.size() && path[key.size()] == '\\' &&
         SameName(path.substr(0, key.size()), key);
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != text.npos;
}

// A key starting with "-" would be written "[-key]", which means "delete the key" on import.
bool ValidKey(std::string_view key) {
  return !key.empty() && key.front() != '\\' && key.back() != '\\' && key.front() != '-' &&
         key.find("\\\\") == key.npos && !HasLineBreak(key);
}

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlank = " \t";
  std::string_view::size_type first = text.find_first_not_of(kBlank);
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

void AppendQuoted(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
}

// Reads a quoted text at the start of rest and removes it from rest. A backslash before a
// backslash or a double quote escapes it; before anything else it is an ordinary character.
bool TakeQuoted(std::string_view& rest, std::string& text) {
  if (rest.empty() || rest.front() != '"') return false;
  text.clear();
  for (std::string_view::size_type i = 1; i < rest.size(); ++i) {
    char c = rest[i];
    if (c == '"') {
      rest.remove_prefix(i + 1);
      return true;
    }
    if (c == '\\' && i + 1 < rest.size() && (rest[i + 1] == '\\' || rest[i + 1] == '"'))
      c = rest[++i];
    text.push_back(c);
  }
  return false;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::string_view::size_type end = text.find('\n');
    std::string_view line = text.substr(0, end);
    // Every carriage return before the line feed belongs to the line end, so that a rewrite,
    // which ends each line with one, reads the same lines back.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == text.npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

std::optional<RegistryDocument> RegistryDocument::Parse(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines = SplitLines(text);
  RegistryDocument document;
  const std::string_view::size_type firstLineFeed = text.find('\n');
  document.lineEnd_ =
      firstLineFeed != text.npos && firstLineFeed > 0 && text[firstLineFeed - 1] == '\r' ? "\r\n"
                                                                                         : "\n";
  size_t index = 0;
  while (index < lines.size() && Trimmed(lines[index]).empty()) ++index;
  if (index == lines.size()) return document;
  std::string_view header = Trimmed(lines[index++]);
  if (header != kHeader && header != kOldHeader) return std::nullopt;

  Section* section = nullptr;
  for (; index < lines.size(); ++index) {
    std::string_view line = Trimmed(lines[index]);
    if (line.empty()) continue;
    if (line.front() == ';') {
      if (section == nullptr) {
        document.preamble_.emplace_back(lines[index]);
      } else {
        section->entries.push_back({Entry::Kind::kComment, {}, std::string(lines[index])});
      }
      continue;
    }
    if (line.front() == '[') {
      // "[-key]" deletes a key on import; a stored registry never holds one.
      if (line.size() < 2 || line.back() != ']') return std::nullopt;
      std::string_view key = line.substr(1, line.size() - 2);
      if (!ValidKey(key) || key.front() == '-') return std::nullopt;
      section = document.FindSection(key);
      if (section == nullptr)
        section = &document.sections_.emplace_back(Section{std::string(key), {}});
      continue;
    }
    if (section == nullptr || (line.front() != '"' && line.front() != '@')) return std::nullopt;
    Entry entry{Entry::Kind::kString, {}, {}};
    std::string_view rest = line;
    if (rest.front() == '@') {
      rest.remove_prefix(1);
    } else if (!TakeQuoted(rest, entry.name)) {
      return std::nullopt;
    }
    rest = Trimmed(rest);
    if (rest.empty() || rest.front() != '=') return std::nullopt;
    rest = Trimmed(rest.substr(1));
    if (rest.empty() || rest == "-") return std::nullopt;
    if (rest.front() == '"') {
      if (!TakeQuoted(rest, entry.data) || !Trimmed(rest).empty()) return std::nullopt;
    } else {
      // Binary and other typed values may continue over lines ending with a backslash, though
      // not over the blank line that ends a section.
      entry.kind = Entry::Kind::kOtherValue;
      entry.data = lines[index];
      while (Trimmed(lines[index]).ends_with('\\') && index + 1 < lines.size() &&
             !Trimmed(lines[index + 1]).empty()) {
        entry.data.append("\n").append(lines[++index]);
      }
    }
    // As on import, a later line for the same value wins.
    auto same = std::ranges::find_if(section->entries, [&](const Entry& stored) {
      return stored.kind != Entry::Kind::kComment && SameName(stored.name, entry.name);
    });
    if (same != section->entries.end()) {
      *same = std::move(entry);
    } else {
      section->entries.push_back(std::move(entry));
    }
  }
  return document;
}

std::string RegistryDocument::Serialize() const {
  std::string out(kHeader);
  out.append(lineEnd_);
  for (const std::string& comment : preamble_) out.append(comment).append(lineEnd_);
  out.append(lineEnd_);
  for (const Section& section : sections_) {
    out.append("[").append(section.key).append("]").append(lineEnd_);
    for (const Entry& entry : section.entries) {
      if (entry.kind != Entry::Kind::kString) {
        for (std::string_view line : SplitLines(entry.data)) out.append(line).append(lineEnd_);
        continue;
      }
      if (entry.name.empty()) {
        out.push_back('@');
      } else {
        AppendQuoted(out, entry.name);
      }
      out.push_back('=');
      AppendQuoted(out, entry.data);
      out.append(lineEnd_);
    }
    out.append(lineEnd_);
  }
  return out;
}

RegistryDocument::Section* RegistryDocument::FindSection(std::string_view key) {
  auto found = std::ranges::find_if(
      sections_, [&](const Section& section) { return SameName(section.key, key); });
  return found == sections_.end() ? nullptr : &*found;
}

const RegistryDocument::Section* RegistryDocument::FindSection(std::string_view key) const {
  return const_cast<RegistryDocument*>(this)->FindSection(key);
}

const std::string* RegistryDocument::FindString(std::string_view key, std::string_view name) const {
  const Section* section = FindSection(key);
  if (section == nullptr) return nullptr;
  for (const Entry& entry : section->entries) {
    if (entry.kind == Entry::Kind::kString && SameName(entry.name, name)) return &entry.data;
  }
  return nullptr;
}

bool RegistryDocument::KeyExists(std::string_view key) const {
  return std::ranges::any_of(sections_, [&](const Section& section) {
    return SameName(section.key, key) || IsBelow(section.key, key);
  });
}

std::vector<std::string> RegistryDocument::Subkeys(std::string_view key) const {
  std::vector<std::string> names;
  for (const Section& section : sections_) {
    if (!IsBelow(section.key, key)) continue;
    std::string_view below = std::string_view(section.key).substr(key.size() + 1);
    below = below.substr(0, below.find('\\'));
    if (std::ranges::none_of(names,
                             [&](const std::string& name) { return SameName(name, below); })) {
      names.emplace_back(below);
    }
  }
  return names;
}

bool RegistryDocument::SetString(std::string_view key, std::string_view name,
                                 std::string_view text) {
  if (!ValidKey(key) || HasLineBreak(name) || HasLineBreak(text)) return false;
  Section* section = FindSection(key);
  if (section == nullptr) section = &sections_.emplace_back(Section{std::string(key), {}});
  for (Entry& entry : section->entries) {
    if (entry.kind != Entry::Kind::kComment && SameName(entry.name, name)) {
      entry.kind = Entry::Kind::kString;
      entry.data = text;
      return true;
    }
  }
  section->entries.push_back({Entry::Kind::kString, std::string(name), std::string(text)});
  return true;
}

bool RegistryDocument::CreateKey(std::string_view key) {
  if (!ValidKey(key)) return false;
  if (FindSection(key) == nullptr) sections_.push_back(Section{std::string(key), {}});
  return true;
}

bool RegistryDocument::DeleteValue(std::string_view key, std::string_view name) {
  Section* section = FindSection(key);
  if (section == nullptr) return false;
  return std::erase_if(section->entries, [&](const Entry& entry) {
           return entry.kind != Entry::Kind::kComment && SameName(entry.name, name);
         }) > 0;
}

bool RegistryDocument::DeleteKey(std::string_view key) {
  return std::erase_if(sections_, [&](const Section& section) {
           return SameName(section.key, key) || IsBelow(section.key, key);
         }) > 0;
}

}  // namespace pelcon::platform
