#include "app/tool/main_tool.h"

#include "app/tool/data_sources.h"
#include "app/tool/start_params.h"
#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "framework/models/world.h"
#include "framework/script/script_classes.h"
#include "framework/stream/stream_tools.h"
#include "framework/tools/tool_classes.h"
#include "framework/values/element_index.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/paths.h"

namespace tarnik::apptool {
namespace {

using framework::TElement;

void DefineMainTool(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TMainTool> d(out);
  d.Object("Options", TOptions::StaticClass(), &TMainTool::Options, nullptr);
  d.Object("CommandLine", framework::TCommandLine::StaticClass(), &TMainTool::CommandLine, nullptr);
  d.String("ExecuteScript", nullptr, &TMainTool::ExecuteScript);
  d.Boolean("UseProtocol", &TMainTool::UseProtocol, &TMainTool::SetUseProtocol);
}

}  // namespace

TARNIK_DEFINE_CLASS(TOldMainTool, framework::TTechnology, nullptr)
TARNIK_DEFINE_CLASS(TMainTool, TOldMainTool, DefineMainTool)

TOptions* TMainTool::Options() {
  auto* options = options_.As<TOptions>();
  if (!options) {
    options = new TOptions();
    options->SetName("Options");
    AddElement(options);
    options_ = options;
  }
  return options;
}

framework::TCommandLine* TMainTool::CommandLine() {
  auto* cl = command_line_.As<framework::TCommandLine>();
  if (!cl) {
    cl = new framework::TCommandLine();
    cl->SetName(kInterpreterName);
    AddElement(cl);
    command_line_ = cl;
  }
  return cl;
}

void TMainTool::ExecuteScript(const std::string& file_name) {
  framework::TCommandLine* cl = CommandLine();
  cl->SetFileName(file_name);
  cl->Execute();
}

std::string TMainTool::OptionsIniFile() {
  return apptool::OptionsIniFile(parameters_, Options()->working_directory, ProgramFileName());
}

void TMainTool::ReadOptions() { apptool::ReadOptions(*Options(), OptionsIniFile()); }

bool TMainTool::WriteOptions() { return apptool::WriteOptions(*Options(), OptionsIniFile()); }

void TMainTool::LoadCursors() {
  framework::TWCSWorld& world = framework::World();
  framework::TStringListElement* cursors = world.SystemRegister()->Cursors();
  // Headless there is no screen to load a cursor into: only missing files are reported.
  for (const std::string& name : cursors->ValuesToStringList()) {
    std::string path = name.find(':') == std::string::npos ? platform::ProgramFile(name) : name;
    if (!platform::FileExists(platform::NormalizePath(path))) {
      PostTextMessage(framework::kReportMessage, "Cursor file: " + name + " not found", this);
    }
  }
}

void TMainTool::Run() {
  LoadCursors();
  ReadOptions();
  framework::World().Application().help_file = platform::ChangeExtension(
      platform::JoinPath(platform::ExecutableDir(), ProgramFileName()), ".HLP");
  if (!FindElementByClass(framework::TElementIndex::StaticClass())) {
    AddElement(new framework::TElementIndex());
  }
  std::string script = StartScriptFile(parameters_, Options()->start_script);
  if (!script.empty()) ExecuteScript(script);
}

bool TMainTool::Quit() {
  bool ok = WriteOptions();
  framework::TObjectModel* model = framework::World().ObjectModel();
  auto* source = model->FindOrCreate<framework::TOwnerEntity>("SOURCE");
  try {
    framework::TStreamSaver saver;
    saver.SetFileName(platform::ProgramFile(kSourceFile));
    saver.SetInput(source);
    saver.Execute();
  } catch (const std::exception&) {
    ok = false;
  }
  return ok;
}

void TMainTool::HandleMessage(framework::TKelvaMessage& message, bool& handled) {
  TOldMainTool::HandleMessage(message, handled);
  if (handled) return;
  switch (message.Message()) {
    case framework::kReportMessage:
      if (auto* text = dynamic_cast<framework::TKelvaTextMessage*>(&message)) {
        if (use_protocol_) {
          protocol_.push_back(text->Text());
          if (protocol_listener_) protocol_listener_(text->Text());
        }
        handled = true;
      }
      break;
    case kQuitMessage:
      Quit();
      handled = true;
      break;
    default:
      break;
  }
}

TMainTool* StartApplicationTool(const std::vector<std::string>& params) {
  framework::RegisterFrameworkClasses();
  framework::RegisterToolClasses();
  framework::RegisterScriptClasses();
  RegisterAppToolClasses();
  framework::TWCSWorld& world = framework::World();
  world.InstallMessageQueue();
  auto* tool = new TMainTool();
  tool->SetName("MainTool");
  tool->SetParameters(params);
  world.SetMainTool(tool);
  tool->Options()->working_directory = platform::WorkingDir();
  tool->Options()->data_directory = platform::WorkingDir();
  tool->Run();
  return tool;
}

void RegisterAppToolClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  framework::RegisterElementClass<TBaseOptions>();
  framework::RegisterElementClass<TOptions>();
  framework::RegisterElementClass<TOldMainTool>();
  framework::RegisterElementClass<TMainTool>();
  framework::RegisterElementClass<TZdroje>();
}

}  // namespace tarnik::apptool
