#include "app/cli/cli_app.h"

#include <fmt/format.h>

#include <ostream>

#include "app/commands/program_start.h"
#include "forest/unit/unit_session.h"
#include "platform/console_ui.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"
#include "platform/version.h"

namespace tarnik::cli {
namespace {

// CLI11's usage errors (its exit codes 105-115 and the parse errors) answer exit code 2 with a
// Czech message.
std::string CzechUsageMessage(const CLI::Error& e) {
  std::string what = e.what();
  switch (static_cast<CLI::ExitCodes>(e.get_exit_code())) {
    case CLI::ExitCodes::RequiredError:
      return "Chybí povinný parametr: " + what;
    case CLI::ExitCodes::ExtrasError:
      return "Nadbytečné parametry: " + what;
    case CLI::ExitCodes::ConversionError:
      return "Chybná hodnota parametru: " + what;
    case CLI::ExitCodes::ValidationError:
      return "Neplatná hodnota parametru: " + what;
    case CLI::ExitCodes::ArgumentMismatch:
      return "Chybný počet hodnot parametru: " + what;
    case CLI::ExitCodes::RequiresError:
    case CLI::ExitCodes::ExcludesError:
      return "Nepřípustná kombinace parametrů: " + what;
    default:
      return "Chybné použití: " + what;
  }
}

// The parameters the application tool looks at: the options file and the start script.
std::vector<std::string> StartParameters(const GlobalOptions& g) {
  std::vector<std::string> params;
  if (!g.ini.empty()) params.push_back(g.ini);
  if (!g.start_script.empty()) params.push_back(g.start_script);
  return params;
}

}  // namespace

void ReportSessionFailure(const plan::UnitSession& session, const std::string& directory,
                          const GlobalOptions& g) {
  *g.err << session.failure << "\n";
  if (session.failure == plan::kNoPlanData) {
    *g.err << "Data LHP byla hledána v adresáři \"" << platform::AbsolutePath(directory) << "\".\n";
  }
}

std::string PassedOverSummary(long count) {
  return fmt::format("Příkaz byl dokončen, ale část dat byla vynechána: {} hlášení.", count);
}

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "tarnik: převod lesního hospodářského plánu (LHP) do XML podle standardu ISLH a zpět.",
      "tarnik"};
  app.require_subcommand(0, 1);
  app.footer(
      "Návratové kódy: 0 vše proběhlo bez ztráty dat; 3 příkaz doběhl a zapsal výstup, ale část "
      "dat vynechal (hlášení na chybovém výstupu, poslední řádek je spočítá); 1 chyba; 2 chybné "
      "použití.");
  app.option_defaults()->group("Volby");
  app.set_help_flag("-h,--help", "Vypíše tuto nápovědu");
  auto fmt_ = app.get_formatter();
  fmt_->label("Usage", "Použití");
  fmt_->label("OPTIONS", "VOLBY");
  fmt_->label("Options", "Volby");
  fmt_->label("SUBCOMMAND", "PŘÍKAZ");
  fmt_->label("SUBCOMMANDS", "PŘÍKAZY");
  fmt_->label("Subcommands", "Příkazy");
  fmt_->label("Positionals", "Parametry");
  fmt_->label("REQUIRED", "POVINNÉ");
  fmt_->label("TEXT", "TEXT");
  fmt_->label("Excludes", "Vylučuje");
  fmt_->label("Needs", "Vyžaduje");
  app.fallthrough(false);
  GlobalOptions global;
  global.out = &out;
  global.err = &err;
  bool show_version = false;
  app.add_flag("--version", show_version, "Vypíše verzi programu");
  app.add_option("--program-dir", global.program_dir,
                 "Adresář programu (DTD, INI soubory, číselníky, skripty)");
  app.add_option("--ini", global.ini, "Soubor s nastavením (.INI)");
  app.add_option("--start-script", global.start_script, "Startovací skript (.KSL)");
  app.add_flag("-y,--yes", global.yes, "Na otázky programu odpovídá Ano");
  app.add_flag("-q,--quiet", global.quiet, "Nevypisuje průběh");

  std::vector<Command> commands;
  RegisterCommands(app, commands);
  for (Command& c : commands) {
    if (c.sub) {
      c.sub->group("Příkazy");
      c.sub->set_help_flag("-h,--help", "Vypíše nápovědu k příkazu");
    }
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::CallForAllHelp& e) {
    out << app.help("", CLI::AppFormatMode::All);
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    err << CzechUsageMessage(e) << "\n"
        << "Nápověda: tarnik --help\n";
    return kExitUsage;
  }

  if (show_version) {
    out << "tarnik " << platform::kFileVersion << "\n";
    return kExitOk;
  }
  if (!global.program_dir.empty()) {
    std::string dir = platform::AbsolutePath(global.program_dir);
    if (!platform::DirectoryExists(dir)) {
      err << "Adresář programu \"" << global.program_dir << "\" neexistuje!\n";
      return kExitFailure;
    }
    platform::SetProgramDir(platform::ResolvePath(dir));
  }

  platform::ConsoleUi console(err);
  console.set_assume_yes(global.yes);
  console.set_quiet(global.quiet);
  platform::ScopedUi scoped(&console);
  global.console = &console;

  for (Command& c : commands) {
    if (c.sub && c.sub->parsed()) {
      try {
        global.tool = app::StartProgram(StartParameters(global));
        const int code = c.run(global);
        const long lost = console.counts().passed_over + console.counts().failure;
        if (code != kExitOk || lost == 0) return code;
        err << PassedOverSummary(lost) << "\n";
        return kExitPassedOver;
      } catch (const platform::QuestionUnanswered& q) {
        err << q.text << "\n"
            << "Na otázku nelze odpovědět bez volby --yes; příkaz byl ukončen.\n";
        return kExitFailure;
      } catch (const std::exception& e) {
        err << "Chyba: " << e.what() << "\n";
        return kExitFailure;
      }
    }
  }
  out << app.help();
  return argc > 1 ? kExitUsage : kExitOk;
}

}  // namespace tarnik::cli
