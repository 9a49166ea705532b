// `tarnik info`: what the program knows about its installation: version, program directory and
// the data files found in it. `tarnik info --data DIR [--json]` locates and loads the forest unit
// in DIR and lists its source kind, reader, code and name and the element counts of every
// compartment, as Czech text or as one JSON object (UTF-8) with the messages reported on the way.
// Exit 1 when DIR holds no plan data or the unit's compartment list cannot be read.
#include <fmt/format.h>

#include <memory>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/json_text.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"
#include "forest/unit/unit_session.h"
#include "forest/unit/unit_summary.h"
#include "platform/console_ui.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"
#include "platform/version.h"

namespace tarnik::cli {
namespace {

struct InfoArgs {
  std::string data;
  bool json = false;
  bool yes = false;
};

int InstallationInfo(std::ostream& out) {
  using namespace platform;
  out << fmt::format("Verze: {}\n", kFileVersion);
  out << fmt::format("Adresář programu: {}\n", ProgramDir());
  for (const std::string& dtd : ListDirectory(ProgramDir(), "*.dtd")) {
    out << fmt::format("DTD: {}\n", dtd);
  }
  for (const std::string& script : ListDirectory(ProgramDir(), "*.ksl")) {
    out << fmt::format("Skript: {}\n", script);
  }
  for (const std::string& ini : ListDirectory(ProgramDir(), "*.ini")) {
    out << fmt::format("INI: {}\n", ini);
  }
  auto cis = FindInDirectory(ProgramDir(), "CISELNIK");
  bool codes = cis && FileExists(JoinPath(*cis, "tables.sqlite"));
  out << fmt::format("Číselníky: {}\n", codes ? *cis : "nenalezeny");
  return codes ? kExitOk : kExitFailure;
}

void WriteJson(std::ostream& out, const plan::UnitSummary& s,
               const std::vector<platform::ConsoleUi::Logged>& log) {
  out << fmt::format("{{\"source_kind\":{},\"read_as\":{},\"lhc_kod\":{},\"lhc_naz\":{},",
                     s.source_kind, JsonText(s.read_as), s.lhc_kod, JsonText(s.lhc_naz));
  out << "\"compartments\":[";
  for (size_t i = 0; i < s.compartments.size(); ++i) {
    const plan::CompartmentCounts& c = s.compartments[i];
    out << (i ? "," : "")
        << fmt::format(
               "{{\"odd\":{},\"sub_compartments\":{},\"stands\":{},\"stand_groups\":{},"
               "\"layers\":{},\"species\":{}}}",
               c.odd, c.sub_compartments, c.stands, c.stand_groups, c.layers, c.species);
  }
  out << "]," << JsonMessages(log) << "}\n";
}

void WriteText(std::ostream& out, const plan::UnitSummary& s) {
  out << fmt::format("Druh zdroje dat: {}\n", s.source_kind);
  out << fmt::format("Načteno jako: {}\n", s.read_as.empty() ? "-" : s.read_as);
  out << fmt::format("Kód LHC: {}\n", s.lhc_kod);
  out << fmt::format("Název LHC: {}\n", s.lhc_naz);
  out << fmt::format("Počet oddělení: {}\n", s.compartments.size());
  for (const plan::CompartmentCounts& c : s.compartments) {
    out << fmt::format(
        "Oddělení {}: dílců {}, porostů {}, porostních skupin {}, etáží {}, dřevin {}\n", c.odd,
        c.sub_compartments, c.stands, c.stand_groups, c.layers, c.species);
  }
}

int DataInfo(const InfoArgs& args, const GlobalOptions& g) {
  if (args.yes) g.console->set_assume_yes(true);
  plan::UnitSessionOptions options;
  if (!g.quiet) options.log = [&g](const std::string& text) { g.console->SetStatus(text); };
  plan::UnitSession session = plan::OpenUnitSession(platform::AbsolutePath(args.data), options);
  if (!session.ok()) {
    ReportSessionFailure(session, args.data, g);
    return kExitFailure;
  }
  // A source without a reader, or a database that could not be opened (reported already).
  const bool loadable = session.unit->Source().IsOpen();
  const plan::UnitSummary summary = plan::SummariseUnit(*session.unit);
  plan::CloseUnitSession(session);
  if (args.json) {
    WriteJson(*g.out, summary, g.console->log());
  } else {
    WriteText(*g.out, summary);
  }
  return loadable ? kExitOk : kExitFailure;
}

}  // namespace

void RegisterInfoCommand(CLI::App& root, std::vector<Command>& commands) {
  auto args = std::make_shared<InfoArgs>();
  Command c;
  c.sub = root.add_subcommand(
      "info",
      "Vypíše verzi, adresář programu a nalezené datové soubory; s --data vypíše údaje "
      "lesního celku");
  CLI::Option* data = c.sub->add_option(
      "--data", args->data,
      "Adresář s daty LHP: vypíše druh zdroje dat, jak byl načten, kód a název LHC a počty "
      "dílců, porostů, porostních skupin, etáží a dřevin každého oddělení");
  c.sub->add_flag("--json", args->json, "Vypíše údaje lesního celku jako objekt JSON")->needs(data);
  c.sub->add_flag("-y,--yes", args->yes,
                  "Na otázky odpovídá Ano (například převede tabulky Paradox do tables.sqlite)");
  c.run = [args](const GlobalOptions& g) {
    if (args->data.empty()) return InstallationInfo(*g.out);
    return DataInfo(*args, g);
  };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
