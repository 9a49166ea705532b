// `tarnik script FILE.ksl`: runs a command script headless through the started application
// tool's interpreter; query results and error lines ("ERROR n: ...") go to stdout. Exit 1 when an
// error line was written, 0 otherwise.
#include <ostream>

#include "app/cli/commands.h"
#include "app/tool/main_tool.h"
#include "framework/script/script_messages.h"

namespace tarnik::cli {

void RegisterScriptCommand(CLI::App& root, std::vector<Command>& commands) {
  auto file = std::make_shared<std::string>();
  Command c;
  c.sub = root.add_subcommand("script", "Spustí skript jazyka KSL; výstup a chyby vypíše");
  c.sub->add_option("soubor", *file, "Skriptový soubor (.ksl)")->required();
  c.run = [file](const GlobalOptions& g) {
    framework::TCommandLine* cl = g.tool->CommandLine();
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

}  // namespace tarnik::cli
