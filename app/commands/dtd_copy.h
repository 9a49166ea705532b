// The copy of a variant's DTD beside the exported document. The answer is an error number:
// 0 on success, the system's error number when the target directory cannot be entered or the
// target cannot be created, 250 when the target's file system lacks the space (the free space
// plus the size of a target being replaced is smaller than the source), 1 when the source cannot
// be opened (after "Nelze otevřít soubor "<source>""), 251 when a block was written short.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarnik::app {

inline constexpr int kCopyNoSpace = 250;
inline constexpr int kCopySourceUnreadable = 1;
inline constexpr int kCopyShortWrite = 251;
// Blocks moved at a time and the longest path accepted.
inline constexpr size_t kCopyBlockSize = 35000;
inline constexpr size_t kCopyMaxPath = 255;

// Free bytes of the file system holding a directory; nullopt when unknown.
using FreeSpaceFn = std::function<std::optional<uint64_t>(const std::string& dir)>;
std::optional<uint64_t> SystemFreeSpace(const std::string& dir);

// Copies `source` over `target`. Paths longer than kCopyMaxPath are refused, not cut: a long
// source counts as unreadable, a long target as a name the system refuses (ENAMETOOLONG).
int CopyDtdFile(const std::string& source, const std::string& target,
                const FreeSpaceFn& free_space = SystemFreeSpace);

}  // namespace tarnik::app
