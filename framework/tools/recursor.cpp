#include "framework/tools/recursor.h"

#include <algorithm>
#include <exception>
#include <string>

#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineRecursor(std::vector<TPropInfo>& out) {
  TPropDefs<TRecursor> d(out);
  d.Boolean("NotInside", &TRecursor::NotInside, &TRecursor::SetNotInside);
  d.Integer("Level", &TRecursor::Level, &TRecursor::SetLevel);
}

void DefineRecursorWithTools(std::vector<TPropInfo>& out) {
  TPropDefs<TRecursorWithTools> d(out);
  auto get = [](TTool* (TRecursorWithTools::*g)() const) {
    return [g](TRecursorWithTools& r) -> TElement* { return (r.*g)(); };
  };
  d.Object("BeforeTool", TTool::StaticClass(), get(&TRecursorWithTools::BeforeTool),
           &TRecursorWithTools::SetBeforeTool);
  d.Object("AfterTool", TTool::StaticClass(), get(&TRecursorWithTools::AfterTool),
           &TRecursorWithTools::SetAfterTool);
  d.Object("QGoInsideTool", TTool::StaticClass(), get(&TRecursorWithTools::QGoInsideTool),
           &TRecursorWithTools::SetQGoInsideTool);
}

// Runs a tool on one element; false when the tool is gone.
bool RunOn(TTool* tool, TElement* element) {
  if (!tool) return false;
  tool->SetInput(element);
  tool->Execute();
  return true;
}

}  // namespace

TARNIK_DEFINE_CLASS(TRecursor, TTechnology, DefineRecursor)
TARNIK_DEFINE_CLASS(TRecursorWithTools, TRecursor, DefineRecursorWithTools)

bool TRecursor::QGoInside(TElement* element) { return dynamic_cast<TEntity*>(element) != nullptr; }

bool TRecursor::OnDescentPath(const TElement* element) const {
  return std::find(path_.begin(), path_.end(), element) != path_.end();
}

void TRecursor::Visit(const TElementRef& ref) {
  TElement* element = ref.Get();
  if (element && QProcessBefore(element)) Process(element);
  element = ref.Get();
  if (element && QGoInside(element)) RecurseInto(element);
  element = ref.Get();
  if (element && QProcessAfter(element)) Process(element);
}

void TRecursor::Execute() {
  TTool::Execute();
  level_ = 1;
  path_.clear();
  TElementRef input(Input());
  if (!input) return;
  StartWalk();
  Visit(input);
}

void TRecursor::RecurseInto(TElement* element) {
  auto* entity = dynamic_cast<TEntity*>(element);
  if (not_inside_ || !entity || OnDescentPath(entity)) return;
  TElementRef entity_ref(entity);
  ++level_;
  path_.push_back(entity);
  const int count = entity->GetCount();
  for (int i = 0;; ++i) {
    auto* current = entity_ref.As<TEntity>();
    if (!current || i >= std::min(count, current->GetCount())) break;
    TElement* child = current->Children()[static_cast<size_t>(i)];
    if (!child || OnDescentPath(child)) continue;
    const TElementRef child_ref(child);
    const std::string child_name = child->GetName();
    try {
      Visit(child_ref);
    } catch (const std::exception&) {
      platform::ui().ShowMessage(
          "chyba při načítaní elementu \"" + child_name + "\" recursorem \"" + GetName() + "\"",
          platform::Severity::kPassedOver);
    }
  }
  path_.pop_back();
  --level_;
}

bool TRecursorWithTools::QGoInside(TElement* element) {
  TTool* tool = QGoInsideTool();
  if (!dynamic_cast<TEntity*>(element) || !tool) return true;
  // A stale output of an earlier run must not answer for this element.
  tool->SetOutput(nullptr);
  TElementRef tool_ref(tool);
  RunOn(tool, element);
  auto* done = tool_ref.As<TTool>();
  return done && done->Output() != nullptr;
}

bool TRecursorWithTools::QProcessBefore(TElement* element) {
  RunOn(BeforeTool(), element);
  return false;
}

bool TRecursorWithTools::QProcessAfter(TElement* element) {
  RunOn(AfterTool(), element);
  return false;
}

}  // namespace tarnik::framework
