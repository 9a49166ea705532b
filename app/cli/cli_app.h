// The command-line front end: global options, subcommands, exit codes. Exit code 0 only when
// nothing was reported passed over, 3 when the command finished but reported data passed over
// (records, elements, values or compartments not read or not written; the last line on stderr
// counts them), 1 on failure, 2 on a usage error. Messages in Czech and progress go to stderr,
// results to stdout (both UTF-8).
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace tarnik::apptool {
class TMainTool;
}
namespace tarnik::platform {
class ConsoleUi;
}

namespace tarnik::plan {
struct UnitSession;
}

namespace tarnik::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitPassedOver = 3;

// Options given before the subcommand; filled in by the parser before a command runs.
struct GlobalOptions {
  std::string program_dir;   // --program-dir: another program directory
  std::string ini;           // --ini: the options file
  std::string start_script;  // --start-script: the start script
  bool yes = false;          // --yes: answer the program's questions with Yes
  bool quiet = false;        // --quiet: no progress lines
  // Where a command writes its results (stdout) and its messages (stderr); set by RunCli.
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
  // The console every message of the command goes through (installed as the UI); set by RunCli.
  platform::ConsoleUi* console = nullptr;
  // The application tool the program's start made (owned by the world); set by RunCli.
  apptool::TMainTool* tool = nullptr;
};

// Prints why a unit session could not be opened; a directory without plan data also names the
// directory searched.
void ReportSessionFailure(const plan::UnitSession& session, const std::string& directory,
                          const GlobalOptions& g);

// The last line of a run that finished with data passed over.
std::string PassedOverSummary(long count);

// What a subcommand registers: the CLI11 subcommand is created by the registrar, and `run`
// performs the command once parsing succeeded, answering the exit code.
struct Command {
  CLI::App* sub = nullptr;
  std::function<int(const GlobalOptions&)> run;
};

// A registrar adds one subcommand to the root application.
using Registrar = void (*)(CLI::App& root, std::vector<Command>& commands);

// Registrars are listed explicitly in commands.cpp (no static-initialisation tricks); each
// *_command.cpp file defines one, declared in commands.h.
void RegisterCommands(CLI::App& root, std::vector<Command>& commands);

// Runs the CLI on the given arguments (argv[0] included) and answers the exit code.
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace tarnik::cli
