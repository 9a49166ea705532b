#include "app/tool/version_label.h"

#include <fmt/format.h>

#include <array>
#include <utility>

#include "platform/numtext.h"
#include "platform/version.h"

namespace tarnik::apptool {

std::string VersionLabel(const std::string& file_version) {
  static const std::array<std::pair<const char*, const char*>, 6> kLabels = {{
      {"9.0.1.0", "Betaverze duben"},
      {"9.0.3.0", "Úplná betaverze září"},
      {"9.0.4.0", "Ostrá verze listopad"},
      {"9.0.5.0", "Ostrá verze 1.prosince"},
      {"9.0.6.0", "Zaprac. připomínky 9.února"},
      {"9.0.7.0", "STK - Lštění 26.března"},
  }};
  for (const auto& [version, label] : kLabels) {
    if (file_version == version) return label;
  }
  return "pracovni nepojmenovaná";
}

std::string WindowTitle(const std::string& file_version, const std::string& data_directory) {
  std::string major_text = file_version.substr(0, file_version.find('.'));
  int major = platform::TextToInt(major_text).value_or(0);
  if (major < 0) major = 0;
  return fmt::format("Tarnik 20{:02d} {}", major, data_directory);
}

std::string FileVersionText() { return platform::kFileVersion; }

}  // namespace tarnik::apptool
