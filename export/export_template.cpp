#include "export/export_template.hpp"

#include <array>
#include <optional>

#include "platform/files.hpp"
#include "platform/notifier.hpp"
#include "platform/output_file.hpp"

namespace pelcon {
namespace {

constexpr std::string_view kDefaultSeparator = ",";
constexpr std::string_view kLoadedEmptyFieldText = "-----";

struct SectionKeyword {
  std::string_view keyword;
  bool TemplateSections::*flag;
};

// In the order they are written.
constexpr std::array<SectionKeyword, 4> kSectionKeywords{{
    {"Header General Info Enabled", &TemplateSections::generalInfo},
    {"Header Device Info Enabled", &TemplateSections::deviceInfo},
    {"Header Test Info Enabled", &TemplateSections::testInfo},
    {"Header Test Def Enabled", &TemplateSections::testDefinition},
}};

void ShowFileError(const std::string& path, int error) {
  platform::ShowNotice(path + ": " + platform::FileErrorText(error), platform::NoticeIcon::kStop);
}

// Splits on LF only: a CR before it stays part of the line. A last line without LF counts, but
// a final LF does not start another line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    std::string_view::size_type end = rest_.find('\n');
    line = rest_.substr(0, end);
    rest_.remove_prefix(end == rest_.npos ? rest_.size() : end + 1);
    return true;
  }

 private:
  std::string_view rest_;
};

}  // namespace

std::string_view ExportTemplate::Separator() const {
  return separator_.empty() ? kDefaultSeparator : std::string_view(separator_);
}

void ExportTemplate::Reset() {
  path_.clear();
  emptyFieldText_.clear();
  separator_.clear();
  columns_.clear();
}

ResultCode ExportTemplate::Load(const std::string& path) {
  columns_.clear();
  // Built as new strings: GCC 12 at -O3 takes an assignment from a view for an overlapping copy.
  separator_ = std::string(kDefaultSeparator);
  emptyFieldText_ = std::string(kLoadedEmptyFieldText);
  sections_ = {};
  if (!platform::FileExists(path)) return kResultTemplateMissing;
  std::string text;
  int error = 0;
  if (!platform::ReadWholeFile(path, text, error)) {
    ShowFileError(path, error);
    return kResultOpenFailed;
  }
  path_ = path;
  Parse(text);
  return kResultOk;
}

void ExportTemplate::Parse(std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  if (lines.Next(line) && !line.empty()) separator_ = line;
  if (lines.Next(line)) emptyFieldText_ = line;
  while (lines.Next(line)) {
    if (line.empty()) continue;
    bool isKeyword = false;
    for (const SectionKeyword& section : kSectionKeywords) {
      if (line == section.keyword) {
        sections_.*section.flag = true;
        isKeyword = true;
      }
    }
    if (!isKeyword) columns_.emplace_back(line);
  }
}

std::string ExportTemplate::Serialize() const {
  std::string text;
  text.append(Separator()).push_back('\n');
  text.append(emptyFieldText_).push_back('\n');
  for (const std::string& column : columns_) text.append(column).push_back('\n');
  for (const SectionKeyword& section : kSectionKeywords) {
    if (sections_.*section.flag) text.append(section.keyword).push_back('\n');
  }
  return text;
}

ResultCode ExportTemplate::Save(const std::string& path) {
  int error = 0;
  std::optional<platform::OutputFile> file = platform::OutputFile::CreateReplacement(path, error);
  if (!file) {
    ShowFileError(path, error);
    return kResultOpenFailed;
  }
  if (!file->Write(Serialize()) || !file->Close()) {
    ShowFileError(path, file->Error());
    return kResultOpenFailed;
  }
  path_ = path;
  return kResultOk;
}

}  // namespace pelcon
