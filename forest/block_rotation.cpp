#include "forest/block_rotation.h"

#include <exception>

#include <fmt/format.h>

#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

struct SaveFailure {};

// The path of an existing file, its name matched case-insensitively; nullopt when none.
std::optional<std::string> Existing(const std::string& path) {
  if (!platform::FileExists(path)) return std::nullopt;
  return platform::ResolvePath(path);
}

}  // namespace

std::string BlockVersionName(const std::string& file, int k) {
  if (k == 0) return file;
  const size_t slash = file.find_last_of('/');
  const size_t dot = file.find_last_of('.');
  const std::string number = std::to_string(k);
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return file + number;
  return file.substr(0, dot) + number + file.substr(dot);
}

std::string BlockTemporaryName(const std::string& file) { return file + ".novy"; }

bool SaveWithBackups(const std::string& file, int backups,
                     const std::function<bool(const std::string& path)>& write) {
  int step = 1;
  const std::string temporary = BlockTemporaryName(file);
  bool temporary_written = false;
  try {
    platform::ui().ProcessPendingEvents();
    step = 2;
    const std::string directory = platform::DirectoryOf(file);
    if (!directory.empty() && !platform::DirectoryExists(directory) &&
        !platform::ForceDirectories(directory))
      throw SaveFailure{};

    step = 3;
    if (auto stale = Existing(temporary)) platform::DeleteFile(*stale);
    platform::ui().ProcessPendingEvents();
    temporary_written = true;
    if (!write(temporary) || !platform::FileExists(temporary)) throw SaveFailure{};
    platform::ui().ProcessPendingEvents();

    for (int k = backups - 1; k >= 0; --k) {
      step = 4;
      if (auto older = Existing(BlockVersionName(file, k + 1))) {
        if (!platform::DeleteFile(*older)) throw SaveFailure{};
      }
      step = 5;
      if (auto version = Existing(BlockVersionName(file, k))) {
        if (!platform::RenameFile(*version, BlockVersionName(file, k + 1))) throw SaveFailure{};
      }
    }

    step = 6;
    std::string target = file;
    if (auto current = Existing(file)) target = *current;  // keep the name as it is on disk
    if (!platform::RenameFile(temporary, target)) throw SaveFailure{};
    temporary_written = false;
    step = 7;
    platform::ui().ProcessPendingEvents();
    return true;
  } catch (const SaveFailure&) {
  } catch (const std::exception&) {
  }
  if (temporary_written) platform::DeleteFile(temporary);
  platform::ui().ShowMessage(fmt::format("Chyba při ukládání do bloku \"{}\"  č.{}", file, step),
                             platform::Severity::kFailure);
  return false;
}

}  // namespace tarnik::plan
