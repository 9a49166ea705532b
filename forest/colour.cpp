#include "forest/colour.h"

#include "platform/ui.h"

namespace tarnik::plan {
namespace {

bool IsKnownColor(uint32_t color) {
  return color == kColorAqua || color == kColorYellow || color == kColorWhite ||
         color == kColorInfoBk || color == kColor3DLight;
}

void ReportStrangeColor() { platform::ui().ShowMessage("To je ale divná barva políčka."); }

}  // namespace

int ColorCode(uint32_t color) {
  switch (color) {
    case kColorYellow:
      return 2;
    case kColorAqua:
      return 5;
    case kColorWhite:
      return 1;
    case kColorInfoBk:
      return 0;
    default:
      return -1;
  }
}

uint32_t ColorFromCode(int code) {
  switch (code) {
    case 0:
      return kColorInfoBk;
    case 1:
      return kColorWhite;
    case 2:
      return kColorYellow;
    case 5:
      return kColorAqua;
    case -1:
      return kColor3DLight;
    default:
      return static_cast<uint32_t>(code);
  }
}

int ColorCodeForColumn(uint32_t color) { return ColorCode(color); }

bool IsEnteredManually(uint32_t color) {
  if (!IsKnownColor(color)) {
    ReportStrangeColor();
    return false;
  }
  return color == kColorAqua;
}

bool MayBeRecomputed(uint32_t color) {
  if (!IsKnownColor(color)) {
    ReportStrangeColor();
    return false;
  }
  return color == kColorYellow || color == kColorWhite || color == kColorInfoBk;
}

}  // namespace tarnik::plan
