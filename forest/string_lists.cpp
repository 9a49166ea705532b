#include "forest/string_lists.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/ui.h"

namespace tarnik::plan {

bool AddUnlessPresent(std::vector<std::string>& list, const std::string& text) {
  if (std::find(list.begin(), list.end(), text) != list.end()) return false;
  list.push_back(text);
  return true;
}

std::string ItemName(const std::string& item) {
  const size_t eq = item.find('=');
  return eq == std::string::npos ? item : item.substr(0, eq);
}

std::string ItemValue(const std::string& item) {
  const size_t eq = item.find('=');
  return eq == std::string::npos ? "" : item.substr(eq + 1);
}

bool AddNameValueUnlessPresent(std::vector<std::string>& list, const std::string& name,
                               const std::string& value) {
  std::string padded = name;
  const size_t length = platform::Utf8Length(name);
  if (length < 3) padded.insert(0, 3 - length, ' ');
  for (const auto& item : list)
    if (ItemName(item) == padded) return false;
  list.push_back(padded + "=" + value);
  return true;
}

std::optional<std::vector<std::string>> IniSectionItems(const std::string& file,
                                                        const std::string& section) {
  if (platform::FileExists(file)) {
    platform::IniFile ini(platform::ResolvePath(file));
    if (ini.SectionExists(section)) return ini.ReadSectionValues(section);
  }
  platform::ui().ShowMessage("Chybí soubor \"" + file + "\" nebo v něm sekce \"" + section + "\".",
                             platform::Severity::kFailure);
  return std::nullopt;
}

}  // namespace tarnik::plan
