#include "framework/tools/tool.h"

#include <vector>

#include "framework/models/element_model.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineTool(std::vector<TPropInfo>& out) {
  TPropDefs<TTool> d(out);
  d.Object("Input", TElement::StaticClass(), &TTool::Input, &TTool::SetInput).NotStored();
  d.Object("Output", TElement::StaticClass(), &TTool::Output, &TTool::SetOutput).NotStored();
  d.Boolean("Busy", &TTool::Busy, &TTool::SetBusy).NotStored();
  d.Boolean("Idle", &TTool::Idle, &TTool::SetIdle).NotStored();
  d.Boolean("InProgress", &TTool::InProgress, &TTool::SetInProgress).NotStored();
  d.Boolean("BreakWork", &TTool::BreakWork, &TTool::SetBreakWork).NotStored();
  d.Boolean("DynamicTool", &TTool::DynamicTool, &TTool::SetDynamicTool);
  d.Object("SelfModel", TToolModel::StaticClass(), &TTool::SelfModel, &TTool::SetSelfModel)
      .NotStored();
  d.Integer("Error", &TTool::Error, &TTool::SetError).NotStored();
  d.Object("NextParameter", TElement::StaticClass(), nullptr, [](TTool& t, TElement* e) {
    if (e) t.SetParameter(e->GetName(), e);
  });
}

void DefineResultTool(std::vector<TPropInfo>& out) {
  TPropDefs<TResultTool> d(out);
  d.String("Result", &TResultTool::Result, &TResultTool::SetResult).NotStored();
}

void DefineBooleanTool(std::vector<TPropInfo>& out) {
  TPropDefs<TBooleanTool> d(out);
  d.Boolean("Result", &TBooleanTool::Result, &TBooleanTool::SetResult).NotStored();
}

void DefineProgressMessage(std::vector<TPropInfo>& out) {
  TPropDefs<TProgressMessage> d(out);
  d.String("ProcessName", &TProgressMessage::ProcessName, &TProgressMessage::SetProcessName);
  d.Integer("MinProgress", &TProgressMessage::MinProgress, &TProgressMessage::SetMinProgress);
  d.Integer("MaxProgress", &TProgressMessage::MaxProgress, &TProgressMessage::SetMaxProgress);
  d.Integer("Progress", &TProgressMessage::Progress, &TProgressMessage::SetProgress);
}

// The property models of a tool model, in order (held by reference: setting a property may
// change the model).
std::vector<TElementRef> PropertyModels(TEntity* model) {
  std::vector<TElementRef> refs;
  if (!model) return refs;
  auto* list = dynamic_cast<TEntity*>(model->FindElementByName("PROPERTIES"));
  if (!list) return refs;
  for (TElement* child : list->Children()) refs.emplace_back(child);
  return refs;
}

}  // namespace

TARNIK_DEFINE_CLASS(TParameters, TOwnerEntity, nullptr)
TARNIK_DEFINE_CLASS(TTools, TEnvelopeEntity, nullptr)
TARNIK_DEFINE_CLASS(TToolProperties, TOwnerElement, nullptr)
TARNIK_DEFINE_CLASS(TTool, TOwnerEntity, DefineTool)
TARNIK_DEFINE_CLASS(TResultTool, TTool, DefineResultTool)
TARNIK_DEFINE_CLASS(TBooleanTool, TTool, DefineBooleanTool)
TARNIK_DEFINE_CLASS(TProgressMessage, TKelvaMessage, DefineProgressMessage)

bool IsToolModel(const TElement* element) { return element && element->Is<TToolModel>(); }

TTool::~TTool() {
  if (InProgress()) EndProgress();
}

TEntity* TTool::GetParameters() {
  auto* parameters = parameters_.As<TEntity>();
  if (!parameters || IndexOf(parameters) < 0) {
    parameters = new TParameters();
    parameters_ = parameters;
    AddElement(parameters);
  }
  return parameters;
}

void TTool::SetParameters(TEntity* parameters) {
  auto* present = parameters_.As<TEntity>();
  if (present && IndexOf(present) < 0) present = nullptr;
  if (parameters == present) return;
  if (present) FreeElement(present);
  parameters_ = parameters;
  if (parameters) AddElement(parameters);
}

TElement* TTool::GetParameter(std::string_view name) { return FindByAlias(*GetParameters(), name); }

void TTool::SetParameter(const std::string& name, TElement* element) {
  SetAlias(*GetParameters(), name, element);
}

void TTool::SetBreakWork(bool flag) {
  if (flag) {
    SetState(kBreakWork, true);
  } else {
    SetState(kBreakWork | kBreakWork2, false);
  }
}

void TTool::Execute() { SetState(kRunning, true); }

void TTool::Report(const std::string& text) { PostTextMessage(kReportMessage, text, nullptr); }

TEntity* TTool::SelfModel() const {
  for (TElement* child : Children()) {
    if (IsToolModel(child)) return dynamic_cast<TEntity*>(child);
  }
  return nullptr;
}

void TTool::SetSelfModel(TElement* model) {
  if (model && !IsToolModel(model)) return;
  TEntity* present = SelfModel();
  if (present == model) return;
  if (present) FreeElement(present);
  if (model) AddElement(model);
}

void TTool::ApplyModel() {
  TEntity* model = SelfModel();
  if (!model) {
    Report("Tool: " + GetName() + " class: " + ClassName() + " Has no model!");
    return;
  }
  SetDynamicTool(model->GetPropertyBoolean("DynamicTool"));
  for (const TElementRef& ref : PropertyModels(model)) {
    TElement* property = ref.Get();
    if (!property) continue;
    SetPropertyText(property->GetName(), property->GetPropertyText("Value"));
  }
}

void TTool::StoreToModel() {
  for (const TElementRef& ref : PropertyModels(SelfModel())) {
    TElement* property = ref.Get();
    if (!property) continue;
    property->SetPropertyText("Value", GetPropertyText(property->GetName()));
  }
}

void TTool::Finish() {
  if (!CanClose()) return;
  SetState(kRunning, false);
  PostToOwners(1, nullptr);
}

std::string TTool::GetParameterName(int /*index*/) { return {}; }

void TTool::HandleMessage(TKelvaMessage& message, bool& handled) {
  handled = false;
  switch (message.Message()) {
    case 0:
      OnMessage0(message, handled);
      break;
    case 1:
      OnMessage1(message, handled);
      break;
    case 2:
      Finish();
      break;
    case 3:
      OnMessage3(message, handled);
      break;
    default:
      break;
  }
}

void TTool::BeginProgress(const std::string& process_name, int32_t min, int32_t max) {
  auto* message = new TProgressMessage();
  message->SetSender(this);
  message->SetProcessName(process_name);
  message->SetMinProgress(min);
  message->SetMaxProgress(max);
  message->PostIt(10);
  SetInProgress(true);
  platform::ui().ProcessPendingEvents();
}

void TTool::ReportProgress(int32_t value) {
  if (!InProgress()) return;
  auto* message = new TProgressMessage();
  message->SetSender(this);
  message->SetProgress(value);
  message->PostIt(11);
}

void TTool::ReportProgressText(const std::string& text) {
  if (InProgress()) PostTextMessage(13, text, nullptr);
}

void TTool::EndProgress() {
  if (!InProgress()) return;
  PostMsg(12, nullptr, nullptr);
  SetInProgress(false);
  platform::ui().ProcessPendingEvents();
}

void SetPositionalParameter(TTool& tool, int index, const std::string& text) {
  const std::string name = tool.GetParameterName(index);
  if (!name.empty()) tool.SetPropertyText(name, text);
}

}  // namespace tarnik::framework
