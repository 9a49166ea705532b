// `tarnik export --variant numerika|numerika-lcr|mapa|mapa-ost|mapa-ost-lcr --data PLANDIR
// --out DIR [--map MAPDIR] ...`: the ISLH export of the unit in PLANDIR (the map variants with the
// map of MAPDIR, or of key "KARMOExport" in section "DATABASE" of vekta.ini without --map; with no
// readable map their outlines are placeholders) (or, with "ALIAS" or "LCR-Oracle" and --lhc
// CODE/VERSION, of a unit version of the LČR databases named in vekta.ini) into DIR/ISHULXML (DIR
// used as it is when it is that directory already), with the main window's options as they stand
// after its first show unless changed by the options. Prints the paths written, or with --json one
// object with the files, the elements written by name and every message with its severity. Exit 1
// when the unit or its compartment list cannot be loaded, the export fails (the previous files stay
// as they were) or the bark question is left unanswered (without --yes).
#include <memory>
#include <ostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/json_text.h"
#include "app/commands/map_preparation.h"
#include "app/commands/numerical_export.h"
#include "app/commands/unit_export_adapter.h"
#include "data/sources/oracle/oracle_source.h"
#include "data/sources/oracle/unit_choice.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "gis/map_panel.h"
#include "platform/console_ui.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/ui.h"

namespace tarnik::cli {
namespace {

struct ExportArgs {
  std::string variant;
  std::string data;
  std::string out;
  std::string type_year = "2010";
  std::string ku_datum = "30.6.2009";
  bool with_bark = false;
  bool no_mzd_under_80 = false;
  bool keep_cancelled_statutes = false;
  bool yes = false;
  bool json = false;
  std::string lhc;  // CODE/VERSION of a unit read from a server database
  std::string map;  // the map directory of the map variants
};

app::NumericalVariant VariantOf(const std::string& name) {
  if (name == "numerika-lcr") return app::NumericalVariant::kNumerikaLCR;
  if (name == "mapa") return app::NumericalVariant::kMapa;
  if (name == "mapa-ost") return app::NumericalVariant::kMapaOst;
  if (name == "mapa-ost-lcr") return app::NumericalVariant::kMapaOstLCR;
  return app::NumericalVariant::kNumerika;
}

// Closes the unit session however the command ends.
struct SessionGuard {
  plan::UnitSession& session;
  ~SessionGuard() { plan::CloseUnitSession(session); }
};

void WriteJson(std::ostream& out, const app::ExportResult& result,
               const platform::ConsoleUi& console) {
  out << "{\"files\":[" << JsonText(result.xml_file) << "," << JsonText(result.dtd_file) << ","
      << JsonText(result.error_file) << "],\"elements\":{";
  bool first = true;
  for (const auto& [name, count] : result.written) {
    out << (first ? "" : ",") << JsonText(name) << ":" << count;
    first = false;
  }
  out << "},\"passed_over\":" << console.counts().passed_over + console.counts().failure << ","
      << JsonMessages(console.log()) << "}\n";
}

int RunExport(const ExportArgs& args, const GlobalOptions& g) {
  if (args.yes) g.console->set_assume_yes(true);
  g.console->set_directory_answer(platform::AbsolutePath(args.out));
  plan::UnitSessionOptions session_options;
  if (!g.quiet) {
    session_options.log = [&g](const std::string& text) { g.console->SetStatus(text); };
  }
  if (!args.lhc.empty()) {
    const size_t slash = args.lhc.find('/');
    const auto code = platform::TextToInt64(args.lhc.substr(0, slash));
    const auto version = slash == std::string::npos
                             ? std::nullopt
                             : platform::TextToInt64(args.lhc.substr(slash + 1));
    if (!code || !version) {
      g.console->ShowMessage("Zadej LHC jako LHC_KOD/LHC_KOD_ID.", platform::Severity::kFailure);
      return kExitUsage;
    }
    plan::SetUnitVersionChooser(plan::ChooseThe(*code, *version));
  }
  // The alias answer and the Oracle connection are no directories.
  const bool server =
      args.data == plan::kAliasChoice || args.data.find("LCR-Oracle") != std::string::npos;
  plan::UnitSession session = plan::OpenUnitSession(
      server ? args.data : platform::AbsolutePath(args.data), session_options);
  if (!session.ok()) {
    ReportSessionFailure(session, args.data, g);
    return kExitFailure;
  }
  SessionGuard guard{session};

  app::ExportOptions options;
  options.typ_ishul = args.type_year;
  options.ku_datum = args.ku_datum;
  options.odkorneno = !args.with_bark;
  options.mzd_pod_80_let = !args.no_mzd_under_80;
  options.smaz_zvl_st = !args.keep_cancelled_statutes;
  const app::NumericalVariant variant = VariantOf(args.variant);
  app::TLesniCelekExportUnit unit(*session.unit);
  std::unique_ptr<gis::VAzedevoDevov> panel;
  if (app::IsMapVariant(variant)) {
    panel = app::PrepareMapPanel(
        unit, args.map.empty() ? std::string() : platform::AbsolutePath(args.map));
  }
  app::ExportResult result = app::ExportNumerical(unit, variant, options, panel.get());
  if (result.status != app::ExportResult::Status::kDone) return kExitFailure;
  if (args.json) {
    WriteJson(*g.out, result, *g.console);
  } else {
    *g.out << result.xml_file << "\n" << result.dtd_file << "\n" << result.error_file << "\n";
  }
  return kExitOk;
}

}  // namespace

void RegisterExportCommand(CLI::App& root, std::vector<Command>& commands) {
  auto args = std::make_shared<ExportArgs>();
  Command c;
  c.sub = root.add_subcommand(
      "export",
      "Export číselné části LHP do XML podle standardu ISLH (adresář ISHULXML: <kód LHC>.xml, "
      "<kód LHC>.dtd a error.txt)");
  c.sub
      ->add_option("--variant", args->variant,
                   "numerika: pro státní správu; numerika-lcr: pro LČR (kód LHC podle LČR); "
                   "mapa: včetně mapy pro státní správu; mapa-ost: včetně mapy a ostatních "
                   "pozemků; mapa-ost-lcr: totéž pro LČR")
      ->required()
      ->check(CLI::IsMember({"numerika", "numerika-lcr", "mapa", "mapa-ost", "mapa-ost-lcr"}));
  c.sub->add_option("--map", args->map,
                    "Adresář mapy (bloky *.BLK) pro varianty s mapou; bez něj klíč KARMOExport "
                    "sekce DATABASE ve vekta.ini");
  c.sub->add_option("--data", args->data, "Adresář s daty LHP")->required();
  c.sub
      ->add_option("--out", args->out,
                   "Adresář, do kterého se vytvoří ISHULXML (adresář ISHULXML sám se použije, "
                   "jak je)")
      ->required();
  c.sub->add_option("--type-year", args->type_year, "Typ ISHUL (výchozí 2010)");
  c.sub->add_option("--ku-datum", args->ku_datum,
                    "Datum vydání číselníku KÚ (výchozí 30.6.2009; \"Dle Merku\" ponechá datum "
                    "z dat)");
  c.sub->add_flag("--with-bark", args->with_bark,
                  "Zásoby a objemy těžeb s kůrou (program se nejprve zeptá)");
  c.sub->add_flag("--no-mzd-under-80", args->no_mzd_under_80,
                  "Neexportovat MZD pod 80 let, je-li těžební procento");
  c.sub->add_flag("--keep-cancelled-statutes", args->keep_cancelled_statutes,
                  "Exportovat i zrušené statuty ochrany přírody");
  c.sub->add_option("--lhc", args->lhc,
                    "LHC_KOD/LHC_KOD_ID jednotky z databáze LČR (--data ALIAS nebo LCR-Oracle)");
  c.sub->add_flag("-y,--yes", args->yes, "Na otázky odpovídá Ano");
  c.sub->add_flag("--json", args->json,
                  "Vypíše zapsané soubory, počty zapsaných elementů podle jména a všechna hlášení "
                  "s jejich závažností jako objekt JSON");
  c.run = [args](const GlobalOptions& g) { return RunExport(*args, g); };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
