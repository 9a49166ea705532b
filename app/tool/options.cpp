#include "app/tool/options.h"

#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace tarnik::apptool {
namespace {

using framework::TPropInfo;

template <std::string TOptions::*field>
void StringOption(framework::TPropDefs<TOptions>& d, const char* name) {
  d.String(
      name, [](TOptions& o) { return o.*field; },
      [](TOptions& o, const std::string& v) { o.*field = v; });
}

void DefineOptions(std::vector<TPropInfo>& out) {
  framework::TPropDefs<TOptions> d(out);
  StringOption<&TOptions::start_script>(d, "StartScript");
  StringOption<&TOptions::end_script>(d, "EndScript");
  StringOption<&TOptions::working_directory>(d, "WorkingDirectory");
  d.String(
      "ServiceDirectory", [](TOptions& o) { return o.service_directory; },
      &TOptions::SetServiceDirectory);
  StringOption<&TOptions::data_directory>(d, "DataDirectory");
  StringOption<&TOptions::script_directory>(d, "ScriptDirectory");
}

}  // namespace

TARNIK_DEFINE_CLASS(TBaseOptions, framework::TOwnerEntity, nullptr)
TARNIK_DEFINE_CLASS(TOptions, TBaseOptions, DefineOptions)

void TOptions::SetServiceDirectory(const std::string& dir) {
  service_directory = dir.empty() ? platform::ExcludeTrailingSlash(platform::ProgramDir()) : dir;
}

const std::vector<std::string>& OptionNames() {
  static const std::vector<std::string> names = {"StartScript",      "EndScript",
                                                 "WorkingDirectory", "ServiceDirectory",
                                                 "DataDirectory",    "ScriptDirectory"};
  return names;
}

void ReadOptions(TOptions& options, const std::string& ini_path) {
  platform::IniFile ini(ini_path);
  for (const std::string& name : OptionNames()) {
    options.SetPropertyText(name, ini.ReadString("Options", name, options.GetPropertyText(name)));
  }
}

bool WriteOptions(TOptions& options, const std::string& ini_path) {
  platform::IniFile ini(ini_path);
  bool ok = true;
  for (const std::string& name : OptionNames()) {
    ok = ini.WriteString("Options", name, options.GetPropertyText(name)) && ok;
  }
  return ok;
}

}  // namespace tarnik::apptool
