#include "gis/path_search.h"

#include <sys/stat.h>

#include <set>
#include <utility>

#include "platform/fs.h"

namespace tarnik::gis {
namespace {

using DirectoryId = std::pair<dev_t, ino_t>;

void Search(const std::string& directory, const std::string& pattern, EntryKind kind,
            bool recursive, std::set<DirectoryId>& visited, std::vector<std::string>& out) {
  struct stat st;
  if (::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
  if (!visited.insert({st.st_dev, st.st_ino}).second) return;
  const unsigned flags =
      (kind == EntryKind::kDirectories ? platform::kListDirectories : platform::kListFiles) |
      platform::kListHidden;
  for (const std::string& name : platform::ListDirectory(directory, pattern, flags)) {
    out.push_back(platform::JoinPath(directory, name));
  }
  if (!recursive) return;
  for (const std::string& name : platform::ListDirectory(
           directory, "*", platform::kListDirectories | platform::kListHidden)) {
    Search(platform::JoinPath(directory, name), pattern, kind, true, visited, out);
  }
}

}  // namespace

std::vector<std::string> FindEntries(const std::string& directory, const std::string& pattern,
                                     EntryKind kind, bool recursive) {
  std::vector<std::string> out;
  std::set<DirectoryId> visited;
  Search(directory.empty() ? "." : directory, pattern, kind, recursive, visited, out);
  return out;
}

}  // namespace tarnik::gis
