// `tarnik export --variant numerika|numerika-lcr --data PLANDIR --out DIR ...`: the numerical
// ISLH export of the unit in PLANDIR into DIR/ISHULXML (DIR used as it is when it is that
// directory already), with the main window's options as they stand after its first show unless
// changed by the options. Prints the paths written. Exit 1 when the unit cannot be loaded, the
// export fails or the bark question is left unanswered (without --yes).
#include <memory>
#include <ostream>
#include <string>

#include "app/cli/commands.h"
#include "app/commands/numerical_export.h"
#include "app/commands/unit_export_adapter.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "platform/console_ui.h"
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
};

// Closes the unit session however the command ends.
struct SessionGuard {
  plan::UnitSession& session;
  ~SessionGuard() { plan::CloseUnitSession(session); }
};

int RunExport(const ExportArgs& args, const GlobalOptions& g, platform::ConsoleUi& ui) {
  if (args.yes) ui.set_assume_yes(true);
  ui.set_directory_answer(platform::AbsolutePath(args.out));
  plan::UnitSessionOptions session_options;
  if (!g.quiet) {
    session_options.log = [&ui](const std::string& text) { ui.SetStatus(text); };
  }
  plan::UnitSession session =
      plan::OpenUnitSession(platform::AbsolutePath(args.data), session_options);
  if (!session.ok()) {
    *g.err << session.failure << "\n";
    return kExitFailure;
  }
  SessionGuard guard{session};

  app::ExportOptions options;
  options.typ_ishul = args.type_year;
  options.ku_datum = args.ku_datum;
  options.odkorneno = !args.with_bark;
  options.mzd_pod_80_let = !args.no_mzd_under_80;
  options.smaz_zvl_st = !args.keep_cancelled_statutes;
  const app::NumericalVariant variant = args.variant == "numerika-lcr"
                                            ? app::NumericalVariant::kNumerikaLCR
                                            : app::NumericalVariant::kNumerika;
  app::TLesniCelekExportUnit unit(*session.unit);
  app::ExportResult result = app::ExportNumerical(unit, variant, options);
  if (result.status != app::ExportResult::Status::kDone) return kExitFailure;
  *g.out << result.xml_file << "\n" << result.dtd_file << "\n" << result.error_file << "\n";
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
                   "numerika: pro státní správu; numerika-lcr: pro LČR (kód LHC podle LČR)")
      ->required()
      ->check(CLI::IsMember({"numerika", "numerika-lcr"}));
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
  c.sub->add_flag("-y,--yes", args->yes, "Na otázky odpovídá Ano");
  c.run = [args](const GlobalOptions& g, const CommandContext& context) {
    return RunExport(*args, g, context.ui);
  };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
