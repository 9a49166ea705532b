#include "forest/hierarchy/office_code.h"

#include "platform/text.h"

namespace tarnik::plan {
namespace {

std::string& ModeStorage() {
  static std::string mode = "DLEDAT";
  return mode;
}

}  // namespace

const std::string& OfficeCodeMode() { return ModeStorage(); }
void SetOfficeCodeMode(const std::string& mode) { ModeStorage() = mode; }

int32_t OfficeFromCombined(int32_t combined) {
  return combined >= kOrpOffset ? combined - kOrpOffset : combined;
}

int32_t CombinedAfterLesUrad(int32_t combined, int32_t value, const std::string& mode) {
  if (value >= kOrpOffset) return value;
  const std::string m = platform::UpperCz(platform::RemoveBlanks(mode));
  if (m == "DLEDAT") return combined < kOrpOffset ? value : value + kOrpOffset;
  if (m == "KU6MIST") return value + kOrpOffset;
  if (m == "KU9MIST") return value;
  return combined;
}

int32_t CombinedAfterOrp(int32_t value) { return value < kOrpOffset ? value + kOrpOffset : value; }

std::string NormalizeRegion(const std::string& kn) {
  const std::string t = platform::Trim(kn);
  if (t == "CZ011") return "CZ010";
  if (t == "CZ021") return "CZ020";
  if (t == "CZ081") return "CZ080";
  return t;
}

}  // namespace tarnik::plan
