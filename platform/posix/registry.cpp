#include "platform/registry.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/files.hpp"
#include "platform/notifier.hpp"
#include "platform/output_file.hpp"
#include "platform/posix/registry_document.hpp"

namespace pelcon::platform {
namespace {

const char* NonEmptyEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

// PELCON_REGISTRY, else the per-user configuration folder of the XDG convention (which ignores a
// relative XDG_CONFIG_HOME). Empty when there is no home either.
std::string RegistryFilePath() {
  if (const char* path = NonEmptyEnvironment("PELCON_REGISTRY")) return path;
  std::string folder;
  if (const char* config = NonEmptyEnvironment("XDG_CONFIG_HOME"); config && *config == '/') {
    folder = config;
  } else if (const char* home = NonEmptyEnvironment("HOME")) {
    folder = std::string(home) + "/.config";
  } else {
    return {};
  }
  return folder + "/tarvel-pelcon/registry.reg";
}

// A missing file is an empty registry; an unreadable or foreign one is no registry at all.
std::optional<RegistryDocument> LoadDocument(const std::string& path) {
  std::string text;
  int error = 0;
  if (!ReadWholeFile(path, text, error)) {
    if (error == ENOENT) return RegistryDocument();
    return std::nullopt;
  }
  return RegistryDocument::Parse(text);
}

std::optional<RegistryDocument> CurrentDocument() {
  std::string path = RegistryFilePath();
  return path.empty() ? std::nullopt : LoadDocument(path);
}

// Writers hold a lock on a file beside the registry for the whole read-change-write, so that two
// processes changing different values do not lose one of the changes. Readers need no lock: the
// new text replaces the old one by a rename, so a reader sees one whole file or the other.
class WriterLock {
 public:
  explicit WriterLock(const std::string& registryPath)
      : fd_(::open((registryPath + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                   0666)) {
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        ::close(fd_);
        fd_ = -1;
        return;
      }
    }
  }
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;
  ~WriterLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

enum class Change { kFailed, kNone, kMade };

template <typename Edit>
bool ChangeRegistry(Edit edit) {
  std::string path = RegistryFilePath();
  if (path.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  WriterLock lock(path);
  if (!lock.Held()) return false;
  std::optional<RegistryDocument> document = LoadDocument(path);
  if (!document) return false;  // never overwrite a file this code cannot read back
  Change change = edit(*document);
  if (change != Change::kMade) return change == Change::kNone;
  int error = 0;
  std::optional<OutputFile> file = OutputFile::CreateReplacement(path, error);
  if (file && file->Write(document->Serialize()) && file->Close()) return true;
  ShowNotice(
      "The settings were not saved.\n" + path + ": " + FileErrorText(file ? file->Error() : error),
      NoticeIcon::kStop);
  return false;
}

}  // namespace

std::optional<std::string> ReadRegistryString(std::string_view key, std::string_view name) {
  std::optional<RegistryDocument> document = CurrentDocument();
  if (!document) return std::nullopt;
  const std::string* text = document->FindString(key, name);
  if (text == nullptr) return std::nullopt;
  return *text;
}

bool WriteRegistryString(std::string_view key, std::string_view name, std::string_view text) {
  return ChangeRegistry([&](RegistryDocument& document) {
    return document.SetString(key, name, text) ? Change::kMade : Change::kFailed;
  });
}

bool DeleteRegistryValue(std::string_view key, std::string_view name) {
  return ChangeRegistry([&](RegistryDocument& document) {
    return document.DeleteValue(key, name) ? Change::kMade : Change::kNone;
  });
}

bool DeleteRegistryKey(std::string_view key) {
  return ChangeRegistry([&](RegistryDocument& document) {
    return document.DeleteKey(key) ? Change::kMade : Change::kNone;
  });
}

bool CreateRegistryKey(std::string_view key) {
  return ChangeRegistry([&](RegistryDocument& document) {
    return document.CreateKey(key) ? Change::kMade : Change::kFailed;
  });
}

bool RegistryKeyExists(std::string_view key) {
  std::optional<RegistryDocument> document = CurrentDocument();
  return document && document->KeyExists(key);
}

std::vector<std::string> RegistrySubkeys(std::string_view key) {
  std::optional<RegistryDocument> document = CurrentDocument();
  return document ? document->Subkeys(key) : std::vector<std::string>();
}

}  // namespace pelcon::platform
