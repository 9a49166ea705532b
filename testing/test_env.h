// Test fixtures shared by every library's tests. Each test gets its own temporary directories,
// removed when the fixture dies, so parallel ctest runs never race and nothing is written into the
// source tree, the build's bin/ or the working directory.
#pragma once

#include <string>

namespace tarnik::testing {

// A fresh temporary directory, removed with its contents on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A temporary program directory holding a copy of the staged share data (DTDs, INI files, code
// lists, scripts), installed as the process's program directory and working directory for the
// fixture's lifetime; the previous settings are restored afterwards.
class ScopedProgramDir {
 public:
  ScopedProgramDir();
  ~ScopedProgramDir();
  ScopedProgramDir(const ScopedProgramDir&) = delete;
  ScopedProgramDir& operator=(const ScopedProgramDir&) = delete;
  const std::string& path() const { return dir_.path(); }
  std::string File(const std::string& name) const { return dir_.File(name); }

 private:
  TempDir dir_;
  std::string previous_program_dir_;
  std::string previous_working_dir_;
};

// The source tree's path of a file (e.g. "data/engine/tests/data/x.sql", "samples/demo").
std::string SourcePath(const std::string& relative);
// Copies a source-tree directory (e.g. "samples/demo") into `target` recursively.
void CopyTree(const std::string& source, const std::string& target);
// Copies samples/<name> into a fresh directory below `into` and answers its path.
std::string CopySample(const std::string& name, const TempDir& into);
// Whole file as bytes ("" when unreadable) and writing bytes, for fixtures.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace tarnik::testing
