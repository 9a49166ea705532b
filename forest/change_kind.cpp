#include "forest/change_kind.h"

#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {

std::string ChangeKindText(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::kNew:
      return "bylNoveZaveden";
    case ChangeKind::kToDelete:
      return "BudeSmazan";
    case ChangeKind::kUnchanged:
    default:
      return "nezmenilse";
  }
}

ChangeKind ChangeKindFromText(const std::string& text) {
  const std::string lower = platform::LowerCz(text);
  if (lower == "nezmenilse") return ChangeKind::kUnchanged;
  if (lower == "bylnovezaveden") return ChangeKind::kNew;
  if (lower == "budesmazan") return ChangeKind::kToDelete;
  platform::ui().ShowMessage("Neznám typZmeny =\"" + text + "\"", platform::Severity::kPassedOver);
  return ChangeKind::kUnchanged;
}

}  // namespace tarnik::plan
