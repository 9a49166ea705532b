// `tarnik script FILE.ksl`: runs a command script headless; query results and error lines
// ("ERROR n: ...") go to stdout. Exit 1 when an error line was written, 0 otherwise.
// Also the start of the application tool before every subcommand (options INI, start script).
#include <ostream>

#include "app/cli/commands.h"
#include "app/tool/main_tool.h"
#include "framework/script/script_messages.h"

namespace tarnik::cli {
namespace {

std::vector<std::string> StartParameters(const GlobalOptions& g) {
  std::vector<std::string> params;
  if (!g.ini.empty()) params.push_back(g.ini);
  if (!g.start_script.empty()) params.push_back(g.start_script);
  return params;
}

}  // namespace

void RegisterScriptCommand(CLI::App& root, std::vector<Command>& commands) {
  auto file = std::make_shared<std::string>();
  Command c;
  c.sub = root.add_subcommand("script", "Spustí skript jazyka KSL; výstup a chyby vypíše");
  c.sub->add_option("soubor", *file, "Skriptový soubor (.ksl)")->required();
  c.run = [file](const GlobalOptions& g) {
    apptool::TMainTool* tool = apptool::StartApplicationTool(StartParameters(g));
    framework::TCommandLine* cl = tool->CommandLine();
    bool error = false;
    cl->SetByDDE(true);
    cl->SetOutputListener([&](const std::string& line) {
      if (framework::script::IsErrorLine(line)) error = true;
      *g.out << line << "\n";
    });
    cl->SetFileName(*file);
    cl->Execute();
    cl->SetOutputListener(nullptr);
    return error ? kExitFailure : kExitOk;
  };
  commands.push_back(std::move(c));
}

// Registered last: every other subcommand first starts the application tool.
void RegisterApplicationToolStart(CLI::App& /*root*/, std::vector<Command>& commands) {
  for (Command& c : commands) {
    if (!c.sub || c.sub->get_name() == "script") continue;
    c.run = [run = std::move(c.run)](const GlobalOptions& g) {
      apptool::StartApplicationTool(StartParameters(g));
      return run(g);
    };
  }
}

}  // namespace tarnik::cli
