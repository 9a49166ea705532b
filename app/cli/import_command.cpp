// `tarnik import FILE.xml --data PLANDIR [--yes | --append] [--create] [--with-bark] [--json]`:
// the numerical ISLH document FILE into the planning database in PLANDIR and its PHS sibling,
// all or nothing (volumes read under bark unless --with-bark says they are stated with it).
// When the database holds compartments, the question "Vymazat všechna data ze zdroje ?" is
// answered "Ano" by --yes (the old data go) and "Ne" by --append (the document is added);
// without either the command stops with the question's text (exit 1) and changes nothing.
// --create makes an empty planning database (and its PHS sibling) when PLANDIR has none. Prints
// the compartments and the elements read and rows written, or with --json one object with them
// and every message with its severity. Exit 1 when the import fails (the databases stay as
// they were), 3 when it finished with data passed over.
#include <memory>
#include <ostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/json_text.h"
#include "app/commands/numerical_import.h"
#include "data/engine/database.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "islh/xml_import.h"
#include "platform/console_ui.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"

namespace tarnik::cli {
namespace {

struct ImportArgs {
  std::string file;
  std::string data;
  bool yes = false;
  bool append = false;
  bool create = false;
  bool with_bark = false;
  bool json = false;
};

struct SessionGuard {
  plan::UnitSession& session;
  ~SessionGuard() { plan::CloseUnitSession(session); }
};

void WriteCounts(std::ostream& out, const std::map<std::string, long>& counts) {
  bool first = true;
  for (const auto& [name, count] : counts) {
    out << (first ? "" : ",") << JsonText(name) << ":" << count;
    first = false;
  }
}

void WriteJson(std::ostream& out, const app::ImportResult& result,
               const platform::ConsoleUi& console) {
  out << "{\"file\":" << JsonText(result.file) << ",\"compartments\":" << result.compartments
      << ",\"elements\":{";
  WriteCounts(out, result.elements);
  out << "},\"rows\":{";
  WriteCounts(out, result.rows);
  out << "},\"passed_over\":" << console.counts().passed_over + console.counts().failure << ","
      << JsonMessages(console.log()) << "}\n";
}

void WriteText(std::ostream& out, const app::ImportResult& result) {
  out << result.file << "\n"
      << "oddělení: " << result.compartments << "\n";
  for (const auto& [name, count] : result.elements)
    out << "element " << name << ": " << count << "\n";
  for (const auto& [name, count] : result.rows) out << "tabulka " << name << ": " << count << "\n";
}

int RunImport(const ImportArgs& args, const GlobalOptions& g) {
  const std::string data = platform::AbsolutePath(args.data);
  if (args.yes) g.console->set_yes_no_quit_answer(platform::Button::kYes);
  if (args.append) g.console->set_yes_no_quit_answer(platform::Button::kNo);
  g.console->set_file_answer(platform::AbsolutePath(args.file));
  if (args.create && !platform::FindInDirectory(data, engine::kDatabaseFileName)) {
    app::CreatePlanDatabase(data);
    platform::ui().ShowMessage("Vytvořena prázdná databáze plánu v adresáři \"" + data + "\".");
  }
  plan::UnitSessionOptions session_options;
  if (!g.quiet) {
    session_options.log = [](const std::string& text) { platform::ui().SetStatus(text); };
  }
  plan::UnitSession session = plan::OpenUnitSession(data, session_options);
  if (!session.ok()) {
    ReportSessionFailure(session, args.data, g);
    return kExitFailure;
  }
  SessionGuard guard{session};
  app::ImportResult result;
  try {
    app::ImportOptions options;
    options.odkorneno = !args.with_bark;
    result = app::ImportNumerical(*session.unit, options);
  } catch (const platform::QuestionUnanswered& q) {
    *g.err << q.text << "\n"
           << "Odpovězte volbou --yes (vymazat stávající data) nebo --append (přidat k nim); "
              "nic nebylo změněno.\n";
    return kExitFailure;
  }
  if (result.status != app::ImportResult::Status::kDone) return kExitFailure;
  if (args.json) {
    WriteJson(*g.out, result, *g.console);
  } else {
    WriteText(*g.out, result);
  }
  return kExitOk;
}

}  // namespace

void RegisterImportCommand(CLI::App& root, std::vector<Command>& commands) {
  auto args = std::make_shared<ImportArgs>();
  Command c;
  c.sub = root.add_subcommand(
      "import", "Import číselné části ISLH z XML do plánovací databáze (vše, nebo při chybě nic)");
  c.sub->add_option("file", args->file, "Soubor XML podle standardu ISLH")->required();
  c.sub->add_option("--data", args->data, "Adresář s databází plánu (DATA)")->required();
  auto* yes = c.sub->add_flag("-y,--yes", args->yes,
                              "Obsahuje-li databáze oddělení, nejprve je vymaže (odpověď Ano)");
  auto* append = c.sub->add_flag(
      "--append", args->append, "Obsahuje-li databáze oddělení, přidá dokument k nim (odpověď Ne)");
  yes->excludes(append);
  c.sub->add_flag(
      "--create", args->create,
      "Nemá-li adresář databázi plánu, vytvoří prázdnou (i se sousedním adresářem PHS)");
  c.sub->add_flag("--with-bark", args->with_bark,
                  "Zásoby a objemy těžeb jsou v dokumentu s kůrou (výchozí: bez kůry, jak je "
                  "zapisuje export)");
  c.sub->add_flag("--json", args->json,
                  "Vypíše oddělení, počty načtených elementů a zapsaných řádků a všechna hlášení "
                  "s jejich závažností jako objekt JSON");
  c.run = [args](const GlobalOptions& g) { return RunImport(*args, g); };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
