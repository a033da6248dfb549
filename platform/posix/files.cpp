#include "platform/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <locale.h>
#include <cerrno>
#include <clocale>
#include <cstring>

namespace pelcon::platform {

bool FileExists(const std::string& path) {
  struct stat attributes {};
  return ::stat(path.c_str(), &attributes) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, int& error) {
  bytes.clear();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return false;
  }
  struct stat attributes {};
  if (::fstat(fd, &attributes) != 0) {
    error = errno;
    ::close(fd);
    return false;
  }
  if (S_ISDIR(attributes.st_mode)) {
    ::close(fd);
    error = EISDIR;
    return false;
  }
  if (S_ISREG(attributes.st_mode)) bytes.reserve(static_cast<size_t>(attributes.st_size));
  char chunk[65536];
  for (;;) {
    ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = errno;
      ::close(fd);
      bytes.clear();
      return false;
    }
    if (got == 0) break;
    bytes.append(chunk, static_cast<size_t>(got));
  }
  ::close(fd);
  return true;
}

// The English text whatever the locale: glibc translates strerror's text under LC_MESSAGES.
std::string FileErrorText(int error) {
  // The output factories report a symbolic link in a file's place with this code.
  if (error == ELOOP) return "the name is a symbolic link, and nothing is written through one";
  static const locale_t classic = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  if (classic == static_cast<locale_t>(0)) return "error " + std::to_string(error);
  return ::strerror_l(error, classic);
}

}  // namespace pelcon::platform
