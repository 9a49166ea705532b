#include "platform/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/fs.h"

namespace tarnik::platform {
namespace {

struct Settings {
  std::string program_dir;
  std::string working_dir;
  std::string home_dir;
  bool program_set = false, working_set = false, home_set = false;
};

Settings& S() {
  static Settings s;
  return s;
}

}  // namespace

std::string ExecutableDir() {
  std::vector<char> buf(4096);
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ".";
  return DirectoryOf(std::string(buf.data(), static_cast<size_t>(n)));
}

const std::string& ProgramDir() {
  Settings& s = S();
  if (!s.program_set) {
    s.program_dir = ExecutableDir();
    s.program_set = true;
  }
  return s.program_dir;
}

void SetProgramDir(const std::string& dir) {
  S().program_dir = ExcludeTrailingSlash(NormalizePath(dir));
  S().program_set = true;
}

const std::string& WorkingDir() {
  Settings& s = S();
  if (!s.working_set) {
    std::vector<char> buf(4096);
    s.working_dir = ::getcwd(buf.data(), buf.size()) ? buf.data() : ".";
    s.working_set = true;
  }
  return s.working_dir;
}

void SetWorkingDir(const std::string& dir) {
  S().working_dir = ExcludeTrailingSlash(NormalizePath(dir));
  S().working_set = true;
}

const std::string& HomeDir() {
  Settings& s = S();
  if (!s.home_set) {
    const char* h = std::getenv("HOME");
    s.home_dir = (h && *h) ? ExcludeTrailingSlash(h) : "/";
    s.home_set = true;
  }
  return s.home_dir;
}

void SetHomeDir(const std::string& dir) {
  S().home_dir = ExcludeTrailingSlash(NormalizePath(dir));
  S().home_set = true;
}

std::string ProgramFile(const std::string& name) {
  std::string n = NormalizePath(name);
  return ResolvePath(JoinPath(ProgramDir(), n));
}

std::string AbsolutePath(const std::string& path) {
  std::string p = NormalizePath(path);
  if (!p.empty() && p[0] == '/') return p;
  return JoinPath(WorkingDir(), p);
}

}  // namespace tarnik::platform
