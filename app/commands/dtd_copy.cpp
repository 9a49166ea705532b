#include "app/commands/dtd_copy.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::app {
namespace {

std::optional<uint64_t> SizeOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(st.st_size);
}

int SourceUnreadable(const std::string& source) {
  platform::ui().ShowMessage("Nelze otevřít soubor \"" + source + "\"",
                             platform::Severity::kFailure);
  return kCopySourceUnreadable;
}

}  // namespace

std::optional<uint64_t> SystemFreeSpace(const std::string& dir) {
  struct statvfs vfs {};
  if (::statvfs(dir.c_str(), &vfs) != 0) return std::nullopt;
  return static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize;
}

int CopyDtdFile(const std::string& source, const std::string& target,
                const FreeSpaceFn& free_space) {
  if (target.size() > kCopyMaxPath) return ENAMETOOLONG;
  std::string dir = platform::DirectoryOf(target);
  if (dir.empty()) dir = ".";
  if (::access(dir.c_str(), X_OK) != 0) return errno != 0 ? errno : EACCES;
  if (source.size() > kCopyMaxPath) return SourceUnreadable(source);

  if (std::optional<uint64_t> needed = SizeOf(source)) {
    std::optional<uint64_t> free = free_space ? free_space(dir) : std::nullopt;
    uint64_t replaced = SizeOf(target).value_or(0);
    if (free && *free + replaced < *needed) return kCopyNoSpace;
  }

  std::FILE* in = std::fopen(source.c_str(), "rb");
  if (!in) return SourceUnreadable(source);
  std::FILE* out = std::fopen(target.c_str(), "wb");
  if (!out) {
    int error = errno != 0 ? errno : EACCES;
    std::fclose(in);
    return error;
  }
  std::vector<char> block(kCopyBlockSize);
  int result = 0;
  while (result == 0) {
    size_t got = std::fread(block.data(), 1, block.size(), in);
    if (got == 0) {
      if (std::ferror(in)) result = EIO;
      break;
    }
    // Flushed per block, so a write that falls short shows at its own block.
    if (std::fwrite(block.data(), 1, got, out) != got || std::fflush(out) != 0) {
      result = kCopyShortWrite;
    }
  }
  std::fclose(in);
  if (std::fclose(out) != 0 && result == 0) result = kCopyShortWrite;
  return result;
}

}  // namespace tarnik::app
