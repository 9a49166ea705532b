#include "forest/codelists/mel_drev.h"

#include "platform/encoding.h"
#include "platform/text.h"

namespace tarnik::plan {

std::string JoinAmelioratingSpecies(const std::vector<std::string>& species) {
  std::vector<std::string> kept;
  for (const auto& code : species)
    if (!platform::Trim(code).empty()) kept.push_back(code);
  return platform::Join(kept, "&");
}

std::string SiteTypesOfRow(std::string_view lt) {
  const size_t length = platform::Utf8Length(lt);
  std::string text = length == 0 ? "" : platform::Utf8Prefix(lt, length - 1);
  text = platform::Trim(text);
  size_t at;
  while ((at = text.find("  ")) != std::string::npos) text.erase(at, 1);
  return text;
}

}  // namespace tarnik::plan
