#include "app/tool/start_params.h"

#include <unistd.h>

#include <climits>

#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::apptool {

std::optional<std::string> FirstParameterWithExtension(const std::vector<std::string>& params,
                                                       const std::string& extension) {
  for (const std::string& p : params) {
    if (platform::UpperCz(platform::ExtensionOf(platform::NormalizePath(p))) == extension) {
      return p;
    }
  }
  return std::nullopt;
}

std::string OptionsIniFile(const std::vector<std::string>& params,
                           const std::string& working_directory, const std::string& program_name) {
  if (auto ini = FirstParameterWithExtension(params, ".INI")) {
    std::string path = platform::NormalizePath(*ini);
    if (platform::FileExists(path)) return platform::ResolvePath(path);
  }
  return platform::IncludeTrailingSlash(working_directory) +
         platform::ChangeExtension(program_name, ".INI");
}

std::string StartScriptFile(const std::vector<std::string>& params,
                            const std::string& start_script) {
  if (auto ksl = FirstParameterWithExtension(params, ".KSL")) {
    std::string path = platform::NormalizePath(*ksl);
    if (platform::FileExists(path)) return platform::ResolvePath(path);
  }
  return start_script;
}

std::string ProgramFileName() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "tarnik";
  return platform::FileNameOf(std::string(buf, static_cast<size_t>(n)));
}

}  // namespace tarnik::apptool
