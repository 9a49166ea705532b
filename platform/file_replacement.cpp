#include "platform/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "platform/fs.h"

namespace tarnik::platform {
namespace {

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " \"" + path + "\": " + std::strerror(errno);
}

void SyncPath(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error(SystemError("Nelze otevřít soubor", path));
  const bool synced = ::fsync(fd) == 0;
  const int saved = errno;
  ::close(fd);
  errno = saved;
  if (!synced) throw std::runtime_error(SystemError("Nelze zapsat na disk soubor", path));
}

// The mode the replacement gets: the replaced file's, else what a new file would get.
mode_t ModeFor(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileReplacement::~FileReplacement() { Discard(); }

std::string FileReplacement::Add(const std::string& target) {
  const std::string dir = DirectoryOf(target);
  // A hidden name that says what it will become; mkstemp makes it unique.
  std::string pattern =
      (dir.empty() ? std::string(".") : dir) + "/." + FileNameOf(target) + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) throw std::runtime_error(SystemError("Nelze vytvořit soubor", pattern));
  ::fchmod(fd, ModeFor(target));  // mkstemp makes it private
  ::close(fd);
  entries_.push_back({target, pattern});
  return pattern;
}

void FileReplacement::Commit() {
  for (const Entry& e : entries_) SyncPath(e.temporary, O_RDONLY);
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (std::rename(e.temporary.c_str(), e.target.c_str()) != 0) {
      throw std::runtime_error(SystemError("Nelze přejmenovat soubor", e.temporary));
    }
    entries_[i].temporary.clear();
  }
  for (const Entry& e : entries_) {
    std::string dir = DirectoryOf(e.target);
    try {
      SyncPath(dir.empty() ? "." : dir, O_RDONLY | O_DIRECTORY);
    } catch (const std::runtime_error&) {
      // The renames are done; a directory that cannot be synced keeps them in the page cache.
    }
  }
  entries_.clear();
}

void FileReplacement::Discard() {
  for (const Entry& e : entries_) {
    if (!e.temporary.empty()) std::remove(e.temporary.c_str());
  }
  entries_.clear();
}

}  // namespace tarnik::platform
