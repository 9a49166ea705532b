#include "framework/tools/technology.h"

#include <vector>

#include "framework/class_register.h"
#include "framework/models/element_model.h"

namespace tarnik::framework {
namespace {

void DefineTechnology(std::vector<TPropInfo>& out) {
  TPropDefs<TTechnology> d(out);
  d.Object(
       "ActiveTool", TElement::StaticClass(),
       [](TTechnology& t) -> TElement* { return t.GetActiveTool(); },
       [](TTechnology& t, TElement* e) { t.SetActiveTool(e); })
      .NotStored();
  d.Object("ToolToAdd", TElement::StaticClass(), nullptr, &TTechnology::AddToolElement);
  d.Object("NewToolByModel", TToolModel::StaticClass(), nullptr,
           [](TTechnology& t, TElement* model) { t.NewToolByModel(model); });
  d.Object("ToolToFree", TElement::StaticClass(), nullptr, &TTechnology::FreeTool);
  d.Object("ToolToRemove", TElement::StaticClass(), nullptr, &TTechnology::RemoveTool);
}

void DefineSelectTechnology(std::vector<TPropInfo>& out) {
  TPropDefs<TSelectTechnology> d(out);
  d.Integer("SelIndex", &TSelectTechnology::SelIndex, &TSelectTechnology::SetSelIndex);
  d.Object(
      "ElseTool", TTool::StaticClass(),
      [](TSelectTechnology& t) -> TElement* { return t.ElseTool(); },
      &TSelectTechnology::SetElseTool);
}

std::vector<TElementRef> RefsOf(const TEntity& list) {
  std::vector<TElementRef> refs;
  for (TElement* child : list.Children()) refs.emplace_back(child);
  return refs;
}

}  // namespace

TARNIK_DEFINE_CLASS(TTechnology, TTool, DefineTechnology)
TARNIK_DEFINE_CLASS(TSeqTechnology, TTechnology, nullptr)
TARNIK_DEFINE_CLASS(TSelectTechnology, TTechnology, DefineSelectTechnology)

TTools* TTechnology::Tools() {
  auto* tools = tools_.As<TTools>();
  if (!tools || IndexOf(tools) < 0) {
    tools = new TTools();
    tools_ = tools;
    AddElement(tools);
  }
  return tools;
}

int TTechnology::ToolCount() const {
  auto* tools = tools_.As<TTools>();
  return tools ? tools->GetCount() : 0;
}

TTool* TTechnology::ToolAt(int index) const {
  auto* tools = tools_.As<TTools>();
  if (!tools || index < 0 || index >= tools->GetCount()) return nullptr;
  return dynamic_cast<TTool*>(tools->Children()[static_cast<size_t>(index)]);
}

TTool* TTechnology::GetActiveTool() { return ToolAt(active_index_); }

void TTechnology::SetActiveTool(TElement* tool) {
  auto* tools = tools_.As<TTools>();
  active_index_ = tools && tool ? tools->IndexOf(tool) : -1;
}

void TTechnology::SetActiveIndex(int32_t index) {
  active_index_ = index < 0 || index >= ToolCount() ? -1 : index;
}

void TTechnology::AddToolElement(TElement* tool) { AddTool(tool); }

TElement* TTechnology::AddTool(TElement* tool) {
  // A technology cannot hold itself: the tree would become a cycle.
  if (!tool || tool == this) return tool;
  Tools()->AddElement(tool);
  return tool;
}

TTool* TTechnology::NewToolByModel(TElement* model) {
  if (!model) return nullptr;
  const std::string class_name = model->GetPropertyText("ElementClassName");
  if (class_name.empty()) return nullptr;
  const TClassInfo* info = FindElementClass(class_name);
  if (!info) {
    Report("Unknown class: " + class_name);
    return nullptr;
  }
  if (!info->InheritsFrom(TTool::StaticClass())) {
    Report("Class: " + class_name + " is not a Tool");
    return nullptr;
  }
  auto* tool = static_cast<TTool*>(info->Create());
  TElementRef model_ref(model);
  tool->SetName(model->GetName());
  AddTool(tool);
  TElementRef tool_ref(tool);
  const std::string attach = model->GetPropertyText("AttachToPropertyName");
  if (!attach.empty()) SetPropertyInteger(attach, tool->Handle());
  if (!tool_ref) return nullptr;
  if (model_ref) tool->SetSelfModel(model_ref.Get());
  tool->ApplyModel();
  return tool_ref.As<TTool>();
}

TElement* TTechnology::NewTool(std::string_view class_name, const std::string& name) {
  return Tools()->NewElement(class_name, name);
}

void TTechnology::InsertTool(int index, TElement* tool) {
  if (!tool || tool == this) return;
  Tools()->InsertElement(index, tool);
}

void TTechnology::RemoveTool(TElement* tool) {
  if (auto* tools = tools_.As<TTools>()) tools->RemoveElement(tool);
}

void TTechnology::FreeTool(TElement* tool) {
  if (auto* tools = tools_.As<TTools>()) tools->FreeElement(tool);
}

TElement* TTechnology::FindTool(std::string_view name) {
  auto* tools = tools_.As<TTools>();
  return tools ? tools->FindElementByName(name) : nullptr;
}

bool TTechnology::CanClose() {
  auto* tools = tools_.As<TTools>();
  if (!tools) return true;
  for (const TElementRef& ref : RefsOf(*tools)) {
    auto* tool = ref.As<TTool>();
    if (tool && !tool->CanClose()) return false;
  }
  return true;
}

void TTechnology::ApplyModel() {
  TTool::ApplyModel();
  if (!DynamicTool()) CreateSubTools();
}

void TTechnology::CreateSubTools() {
  TEntity* model = SelfModel();
  if (!model) return;
  auto* list = dynamic_cast<TEntity*>(model->FindElementByName("TOOLS"));
  if (!list) return;
  for (const TElementRef& ref : RefsOf(*list)) {
    if (TElement* tool_model = ref.Get()) NewToolByModel(tool_model);
  }
}

void TTechnology::FreeSubTools() {
  StoreToModel();
  if (auto* tools = tools_.As<TTools>()) tools->FreeAll();
}

void TTechnology::StoreToModel() {
  TTool::StoreToModel();
  auto* tools = tools_.As<TTools>();
  if (!tools) return;
  for (const TElementRef& ref : RefsOf(*tools)) {
    if (auto* tool = ref.As<TTool>()) tool->StoreToModel();
  }
}

void TTechnology::OnMessage1(TKelvaMessage& message, bool& handled) {
  FreeTool(message.Sender());
  handled = true;
}

void TSeqTechnology::Execute() {
  TTool::Execute();
  auto* tools = Tools();
  if (tools->GetCount() == 0) return;
  TElementRef self_tools(tools);
  for (int i = 0; self_tools && i < self_tools.As<TTools>()->GetCount(); ++i) {
    TTool* tool = ToolAt(i);
    if (!tool) continue;
    SetActiveIndex(i);
    TElementRef tool_ref(tool);
    tool->SetParameters(GetParameters());
    tool->SetInput(Input());
    tool->Execute();
    if (auto* done = tool_ref.As<TTool>()) {
      SetOutput(done->Output());
      SetInput(done->Output());
    }
  }
}

void TSelectTechnology::SetElseTool(TElement* tool) {
  auto* as_tool = dynamic_cast<TTool*>(tool);
  if (!as_tool || as_tool == this) return;
  TTool* present = ElseTool();
  if (present == as_tool) return;
  if (present && IndexOf(present) >= 0) FreeElement(present);
  else_tool_ = as_tool;
  AddElement(as_tool);
}

void TSelectTechnology::Execute() {
  TTool::Execute();
  TTool* tool = nullptr;
  if (ToolCount() > 0 && sel_index_ >= 0 && sel_index_ < ToolCount()) tool = ToolAt(sel_index_);
  if (!tool) tool = ElseTool();
  if (!tool) return;
  TElementRef tool_ref(tool);
  tool->SetInput(Input());
  tool->Execute();
  if (auto* done = tool_ref.As<TTool>()) SetOutput(done->Output());
}

}  // namespace tarnik::framework
