#include "framework/script/command_line.h"

#include <memory>

#include "framework/class_register.h"
#include "framework/errors.h"
#include "framework/models/world.h"
#include "framework/script/script_messages.h"
#include "framework/script/script_path.h"
#include "framework/tools/technology.h"

namespace tarnik::framework {
namespace {

void DefineCommandLine(std::vector<TPropInfo>& out) {
  TPropDefs<TCommandLine> d(out);
  d.String("Line", &TCommandLine::Line, &TCommandLine::SetLine);
  d.String("NextLine", nullptr, &TCommandLine::SetNextLine);
  d.String("ActualDirectory", &TCommandLine::ActualDirectory, &TCommandLine::SetActualDirectory);
  d.String("FileName", &TCommandLine::FileName, &TCommandLine::SetFileName);
  d.Object("Vars", TOwnerEntity::StaticClass(), &TCommandLine::Vars, nullptr);
  d.Object("ActualVar", TVar::StaticClass(), &TCommandLine::ActualVar, nullptr);
  d.Boolean("ByDDE", &TCommandLine::ByDDE, &TCommandLine::SetByDDE);
  d.Boolean("SmartMode", &TCommandLine::SmartMode, &TCommandLine::SetSmartMode);
}

bool StartsWithQuote(const std::string& text) {
  return !text.empty() && (text[0] == '"' || text[0] == '\'');
}

}  // namespace

TARNIK_DEFINE_CLASS(TCommandLine, TTool, DefineCommandLine)

TCommandLine::TCommandLine() : engine_(*this) {}

TCommandLine::~TCommandLine() = default;

TEntity* TCommandLine::Vars() {
  auto* vars = vars_.As<TEntity>();
  if (!vars) {
    auto* created = new TOwnerEntity();
    created->SetName("VAR:");
    AddElement(created);
    vars_ = created;
    vars = created;
  }
  return vars;
}

TElement* TCommandLine::ScriptWorld() { return &World(); }

TElement* TCommandLine::ScriptMainTool() {
  TWCSWorld* world = CurrentWorld();
  return world ? world->MainTool() : nullptr;
}

void TCommandLine::SetInput(TElement* element) {
  TTool::SetInput(element);
  engine_.SetActiveElement(element);
}

std::string TCommandLine::GetParameterName(int index) {
  switch (index) {
    case 0:
      return "FileName";
    case 1:
      return "ActualDirectory";
    default:
      return {};
  }
}

void TCommandLine::Execute() {
  if (executing_) {
    // DOIT on an interpreter that is running its own script would never end.
    engine_.RequestAbort();
    throw EKelvaError(script::CallNestingText(kMaxCallDepth, engine_.FileName()));
  }
  executing_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{executing_};
  TTool::Execute();
  engine_.SetLineNumber(0);
  engine_.ClearAbort();
  if (!engine_.Line().empty()) {
    std::string statement = engine_.Line();
    engine_.ExecuteGuarded(statement);
    return;
  }
  if (engine_.Lines().empty()) {
    if (engine_.FileName().empty()) return;
    if (!engine_.LoadScript()) return;
  }
  RunLoaded();
}

void TCommandLine::RunLoaded() {
  if (!smart_mode_) {
    engine_.RunLines();
    return;
  }
  SetBusy(true);
  engine_.SetLineNumber(0);
  PostMsg(kScriptStepMessage, this, nullptr);
}

void TCommandLine::HandleMessage(TKelvaMessage& message, bool& handled) {
  TTool::HandleMessage(message, handled);
  if (handled || message.Message() != kScriptStepMessage) return;
  handled = true;
  if (engine_.Step()) {
    PostMsg(kScriptStepMessage, this, nullptr);
  } else {
    FinishSmartRun();
  }
}

void TCommandLine::FinishSmartRun() {
  engine_.SetLineNumber(0);
  engine_.SetLine(std::string());
  SetBusy(false);
  if (TElement* main_tool = ScriptMainTool()) PostMsg(3, main_tool, nullptr);
}

void TCommandLine::ScriptCall(script::TScriptEngine& engine, script::TScriptCall& call) {
  TElement* object = call.object.Get();
  if (call.function == "CLOSE") {
    if (TElement* main_tool = ScriptMainTool()) PostMsg(2, main_tool, nullptr);
  } else if (call.function == "DOIT") {
    auto* tool = dynamic_cast<TTool*>(object);
    if (!tool) throw EKelvaError(script::NotToolText(call.open_position));
    tool->Execute();
  } else if (call.function == "CREATETOOL") {
    auto* technology = dynamic_cast<TTechnology*>(object);
    if (!technology) throw EKelvaError(script::NotTechnologyText(call.open_position));
    const TClassInfo& info =
        GetElementClass(script::CompleteClassName(call.args.empty() ? "" : call.args[0]));
    call.object = technology->NewTool(info.Name(), call.args.size() > 1 ? call.args[1] : "");
  } else if (call.function == "CALL") {
    CallScript(call);
  } else {
    (void)engine;
    CallTool(call);
  }
}

void TCommandLine::CallScript(script::TScriptCall& call) {
  std::string file = call.args.empty() ? std::string() : call.args[0];
  if (engine_.CallDepth() + 1 > kMaxCallDepth) {
    // The whole chain of calls stops; the error is reported once, here.
    engine_.RequestAbort();
    throw EKelvaError(script::CallNestingText(kMaxCallDepth, file));
  }
  auto sub = std::make_unique<TCommandLine>();
  sub->SetFileName(file);
  sub->SetActiveElement(engine_.ActiveElement());
  sub->SetByDDE(engine_.ByDDE());
  sub->engine_.SetCallDepth(engine_.CallDepth() + 1);
  sub->SetOutputListener([this](const std::string& line) { engine_.Emit(line); });
  sub->Execute();
  if (sub->engine_.AbortRequested()) engine_.RequestAbort();
}

void TCommandLine::CallTool(script::TScriptCall& call) {
  const TClassInfo* info = FindElementClass("T" + call.function);
  if (!info || !info->InheritsFrom(TTool::StaticClass())) {
    throw EKelvaError(script::UnknownFunctionText(call.function));
  }
  std::unique_ptr<TTool> tool(static_cast<TTool*>(info->Create()));
  tool->SetInput(call.input);
  for (size_t i = 0; i < call.args.size(); ++i) {
    const std::string& arg = call.args[i];
    int index = static_cast<int>(i);
    size_t colon = arg.find(':');
    if (StartsWithQuote(arg) || colon == std::string::npos) {
      SetPositionalParameter(*tool, index, engine_.EvaluateToText(arg));
    } else if (colon + 1 < arg.size() && arg[colon + 1] == ':') {
      SetPositionalParameter(*tool, index, arg);
    } else {
      std::string name = script::TrimSpaces(arg.substr(0, colon));
      tool->SetPropertyText(name, engine_.EvaluateToText(arg.substr(colon + 1)));
    }
  }
  tool->Execute();
  call.object = tool->Output();
  if (auto* result = dynamic_cast<TResultTool*>(tool.get())) {
    call.has_literal = true;
    call.literal = result->Result();
  }
}

}  // namespace tarnik::framework
