#include "testing/test_env.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/fs.h"
#include "platform/paths.h"

namespace tarnik::testing {
namespace fsys = std::filesystem;
namespace {

std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return (v && *v) ? v : fallback;
}

}  // namespace

TempDir::TempDir() : path_(platform::MakeTempDirectory("tarnik-test-")) {
  if (path_.empty()) throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() { platform::RemoveTree(path_); }

ScopedProgramDir::ScopedProgramDir()
    : previous_program_dir_(platform::ProgramDir()), previous_working_dir_(platform::WorkingDir()) {
  CopyTree(EnvOr("TARNIK_TEST_PROGDIR", TARNIK_DEFAULT_STAGE_DIR), dir_.path());
  platform::SetProgramDir(dir_.path());
  platform::SetWorkingDir(dir_.path());
}

ScopedProgramDir::~ScopedProgramDir() {
  platform::SetProgramDir(previous_program_dir_);
  platform::SetWorkingDir(previous_working_dir_);
}

std::string SourcePath(const std::string& relative) {
  return platform::JoinPath(EnvOr("TARNIK_SOURCE_DIR", TARNIK_DEFAULT_SOURCE_DIR), relative);
}

void CopyTree(const std::string& source, const std::string& target) {
  std::error_code ec;
  fsys::create_directories(target, ec);
  fsys::copy(source, target, fsys::copy_options::recursive | fsys::copy_options::overwrite_existing,
             ec);
  if (ec) throw std::runtime_error("cannot copy " + source + " to " + target + ": " + ec.message());
}

std::string CopySample(const std::string& name, const TempDir& into) {
  std::string target = into.File(name);
  CopyTree(SourcePath("samples/" + name), target);
  return target;
}

std::string ReadFile(const std::string& path) { return platform::ReadFileBytes(path).value_or(""); }

void WriteFile(const std::string& path, const std::string& bytes) {
  std::string dir = platform::DirectoryOf(path);
  if (!dir.empty()) platform::ForceDirectories(dir);
  if (!platform::WriteFileBytes(path, bytes)) throw std::runtime_error("cannot write " + path);
}

}  // namespace tarnik::testing

// What the ODBC driver manager's configuration library and the SQLite ODBC driver keep until the
// process ends (odbc_test_util.h keeps both loaded so that their frames have names).
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libodbcinst.so\nleak:libsqlite3odbc.so\n";
}
