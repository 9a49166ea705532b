// Files that replace others only when all of them are complete: each is written under a
// temporary name beside its target, and Commit() syncs every one and renames each over its
// target. Until then, and whenever Commit() fails before the first rename, the targets stay as
// they were. Temporary files not committed are removed when the object dies. Not thread-safe.
#pragma once

#include <string>
#include <vector>

namespace tarnik::platform {

class FileReplacement {
 public:
  FileReplacement() = default;
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Reserves a temporary name in the target's directory (the file is created empty) and answers
  // it; throws std::runtime_error with a Czech text when it cannot be created.
  std::string Add(const std::string& target);

  // Syncs each temporary file to the disk, then renames each over its target in the order they
  // were added and syncs the directories. Throws std::runtime_error on the first failure; a
  // failure while syncing leaves every target as it was.
  void Commit();

  // Removes the temporary files now (also done by the destructor).
  void Discard();

 private:
  struct Entry {
    std::string target;
    std::string temporary;
  };
  std::vector<Entry> entries_;
};

}  // namespace tarnik::platform
