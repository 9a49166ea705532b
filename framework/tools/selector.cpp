#include "framework/tools/selector.h"

#include <algorithm>
#include <vector>

#include "platform/text.h"

namespace tarnik::framework {
namespace {

void DefineSelector(std::vector<TPropInfo>& out) {
  TPropDefs<TSelector> d(out);
  d.String("Condition", &TSelector::Condition, &TSelector::SetCondition);
}

void DefineLevelSelector(std::vector<TPropInfo>& out) {
  TPropDefs<TLevelSelector> d(out);
  d.Integer("Maxlevel", &TLevelSelector::Maxlevel, &TLevelSelector::SetMaxlevel);
}

// Whether `target` is `element` or lies below it (searched upward through the holders).
bool IsAtOrBelow(const TElement* target, const TElement* element) {
  std::vector<const TElement*> pending{target};
  std::vector<const TElement*> seen;
  while (!pending.empty()) {
    const TElement* current = pending.back();
    pending.pop_back();
    if (current == element) return true;
    if (std::find(seen.begin(), seen.end(), current) != seen.end()) continue;
    seen.push_back(current);
    for (const TEntity* holder : current->Holders()) pending.push_back(holder);
  }
  return false;
}

bool IsEntity(TElement* element) { return dynamic_cast<TEntity*>(element) != nullptr; }

}  // namespace

TARNIK_DEFINE_CLASS(TSelector, TRecursor, DefineSelector)
TARNIK_DEFINE_CLASS(TAllSelector, TSelector, nullptr)
TARNIK_DEFINE_CLASS(TFirstSelector, TSelector, nullptr)
TARNIK_DEFINE_CLASS(TAbsFirstSelector, TSelector, nullptr)
TARNIK_DEFINE_CLASS(TLevelSelector, TSelector, DefineLevelSelector)

TCondCreator* TSelector::Compiler() {
  auto* compiler = compiler_.As<TCondCreator>();
  if (!compiler) {
    compiler = new TCondCreator();
    compiler->SetName("Condition Creator");
    compiler_ = compiler;
    AddTool(compiler);
  }
  return compiler;
}

void TSelector::StartWalk() {
  if (!Output()) {
    auto* output = new TOwnerEntity();
    output->SetName("Selected elements");
    if (TElement* previous = own_output_.Get(); previous && IndexOf(previous) >= 0) {
      FreeElement(previous);
    }
    own_output_ = output;
    AddElement(output);
    SetOutput(output);
  }
  if (platform::Trim(condition_text_).empty()) throw SyntaxExcept("Ocekavam indentifikator", 1);
  TCondCreator* compiler = Compiler();
  compiler->SetCommand(condition_text_);
  compiler->Execute();
  auto* compiled = dynamic_cast<TCondition*>(compiler->Output());
  TEntity* parameters = GetParameters();
  if (TElement* previous = condition_.Get(); previous && previous != compiled) {
    if (parameters->IndexOf(previous) >= 0) parameters->FreeElement(previous);
  }
  condition_ = compiled;
  if (compiled && parameters->IndexOf(compiled) < 0) parameters->AddElement(compiled);
}

void TSelector::RecurseInto(TElement* entity) {
  if (entity != Output()) TRecursor::RecurseInto(entity);
}

bool TSelector::Holds(TElement* element) {
  TCondition* condition = CurrentCondition();
  if (!condition || !element) return false;
  condition->SetContext(0, element);
  const bool holds = condition->Evaluate();
  condition->SetContext(0, nullptr);
  return holds;
}

void TSelector::Collect(TElement* element) {
  auto* output = dynamic_cast<TEntity*>(Output());
  if (!output || IsAtOrBelow(output, element)) return;
  output->AddElement(element);
}

void TAllSelector::Process(TElement* element) {
  if (!element->Is<TOwnerElement>() && !element->Is<TOwnerEntity>()) return;
  if (Holds(element)) Collect(element);
}

void TFirstSelector::StartWalk() {
  found_ = false;
  TSelector::StartWalk();
}

void TFirstSelector::RecurseInto(TElement* entity) {
  TSelector::RecurseInto(entity);
  found_ = false;
}

bool TFirstSelector::QGoInside(TElement* element) { return IsEntity(element) && !found_; }

void TFirstSelector::Process(TElement* element) {
  // The flag describes the element just tested, so a match does not close its siblings.
  found_ = element->GetOwnersCount() > 0 && Holds(element);
  if (found_) Collect(element);
}

void TAbsFirstSelector::StartWalk() {
  found_ = false;
  TSelector::StartWalk();
}

bool TAbsFirstSelector::QGoInside(TElement* element) { return IsEntity(element) && !found_; }

void TAbsFirstSelector::Process(TElement* element) {
  if (found_) return;
  if (element->GetOwnersCount() > 0 && Holds(element)) {
    found_ = true;
    Collect(element);
  }
}

bool TLevelSelector::QGoInside(TElement* element) {
  return IsEntity(element) && Level() <= max_level_;
}

void TLevelSelector::Process(TElement* element) {
  if (element->GetOwnersCount() > 0 && Holds(element)) Collect(element);
}

}  // namespace tarnik::framework
