#include "commands/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

namespace commands {
namespace {

std::string Reason(int error) { return std::strerror(error); }

// Writes everything, going on after interrupted and partial writes; 0 on
// success, else the error.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

std::string WriteDirectly(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return Reason(errno);
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? std::string() : Reason(error);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a path names once its symbolic links are followed, as open()
// follows them; a link to a file that does not exist yet gives the name to
// create. Empty, with errno set, for a loop of links.
std::string LinkTarget(std::string path) {
  // As many links as the system follows before it gives up with ELOOP.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return path;
    target.resize(static_cast<std::size_t>(length));
    // A relative target is read from the link's own folder.
    path = target.starts_with('/') ? target : FolderOf(path) + "/" + target;
  }
  errno = ELOOP;
  return {};
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void IgnoreWriteSignals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

std::string SaveFileBytes(const std::string& named, std::string_view bytes) {
  if (named.empty()) return Reason(ENOENT);
  const std::string path = LinkTarget(named);
  if (path.empty()) return Reason(errno);
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Reason(EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) return WriteDirectly(path, bytes);

  std::string temporary = FolderOf(path) + "/.stillwise-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return Reason(errno);
  const mode_t mode = exists ? existing.st_mode & 07777 : NewFileMode();
  int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Reason(error);
  }
  return {};
}

bool IsSvgName(std::string_view file) {
  if (file.size() < 4) return false;
  std::string suffix(file.substr(file.size() - 4));
  // ASCII letters only: the locale must not change what a name asks for.
  for (char& c : suffix) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return suffix == ".svg";
}

}  // namespace commands
