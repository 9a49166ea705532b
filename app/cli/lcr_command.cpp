// `tarnik lcr list|copy|renumber|delete|select ...`: the maintenance of the LČR plan database
// ("LHP_ORAC", a whole-unit copy into "LHP_NOVA"), each database named in vekta.ini with its user
// and password (never on the command line). A unit version is given as CODE/VERSION; the
// questions (deleting a unit, keeping the selections' changes) are answered by --yes. Exit 1 when
// a database cannot be connected or a unit version is refused, 3 when a copy lost rows.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <fmt/format.h>

#include "app/cli/commands.h"
#include "data/engine/server_connections.h"
#include "data/sources/oracle/lcr_maintenance.h"
#include "platform/console_ui.h"
#include "platform/numtext.h"
#include "platform/ui.h"

namespace tarnik::cli {
namespace {

using plan::LcrUnitVersion;
namespace lcr = plan::lcr;

struct LcrArgs {
  std::string lhc, to;
  std::string level, action = "copy";
  int64_t odd = 0, odd_id = 0, plot = 0, plot_id = 0;
  std::string dil, por, psk;
  std::optional<int64_t> target_odd_id;
};

std::optional<LcrUnitVersion> ParseUnit(const std::string& text) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) return std::nullopt;
  auto code = platform::TextToInt64(text.substr(0, slash));
  auto version = platform::TextToInt64(text.substr(slash + 1));
  if (!code || !version) return std::nullopt;
  return LcrUnitVersion{*code, *version, ""};
}

void Show(const std::string& text, platform::Severity severity = platform::Severity::kInformation) {
  platform::ui().ShowMessage(text, severity);
}

lcr::Log Logger() {
  return [](const std::string& text) { platform::ui().SetStatus(text); };
}

int Run(const std::string& what, const LcrArgs& a, const GlobalOptions& g) {
  if (g.yes) g.console->set_assume_yes(true);
  const std::optional<LcrUnitVersion> from = ParseUnit(a.lhc);
  const std::optional<LcrUnitVersion> to = ParseUnit(a.to.empty() ? a.lhc : a.to);
  if (what != "list" && !from) {
    Show("Zadej LHC jako LHC_KOD/LHC_KOD_ID.", platform::Severity::kFailure);
    return kExitUsage;
  }
  try {
    auto db = engine::ConnectServer(engine::kLhpServer);
    if (what == "list") {
      for (const LcrUnitVersion& u : lcr::ListUnits(*db))
        *g.out << u.code << "\t" << u.version << "\t" << u.name << "\n";
      return kExitOk;
    }
    if (!lcr::UnitExists(*db, from->code, from->version)) {
      Show(fmt::format("LHC_KOD \"{}\", LHC_KOD_ID \"{}\" neexistuje.", from->code, from->version),
           platform::Severity::kFailure);
      return kExitFailure;
    }
    if (what == "copy") {
      auto target = engine::ConnectServer(engine::kLhpCopyServer);
      if (lcr::UnitExists(*target, to->code, to->version)) {
        Show(fmt::format("Nelze zkopírovat. LHC_KOD \"{}\", LHC_KOD_ID \"{}\" již existuje. "
                         "Zadej znovu.",
                         to->code, to->version),
             platform::Severity::kFailure);
        return kExitFailure;
      }
      std::string last;
      const lcr::CopyCount count =
          lcr::KopirujLHC(*db, *target, *from, *to, [&](const std::string& t) {
            platform::ui().SetStatus(t);
            last = t;
          });
      Show(last, count.lost ? platform::Severity::kPassedOver : platform::Severity::kInformation);
      return count.lost ? kExitPassedOver : kExitOk;
    }
    if (what == "renumber") {
      if (lcr::UnitExists(*db, to->code, to->version)) {
        Show(fmt::format("Nelze přejmenovat. LHC_KOD \"{}\", LHC_KOD_ID \"{}\" již existuje. "
                         "Zadej znovu.",
                         to->code, to->version),
             platform::Severity::kFailure);
        return kExitFailure;
      }
      lcr::PrecislujLHC(*db, *from, *to, Logger());
      Show("Přečíslování LHC provedeno ");
      return kExitOk;
    }
    if (what == "delete") {
      std::string name;
      for (const LcrUnitVersion& u : lcr::ListUnits(*db))
        if (u.code == from->code && u.version == from->version) name = u.name;
      const std::string question = fmt::format(
          "LHC_KOD:{} ID:{}  {}\nbude nenávratně smazán (bez možnosti rollbacku). Mám to opravdu "
          "učinit ?",
          from->code, from->version, name);
      if (platform::ui().Ask(question, {platform::Button::kYes, platform::Button::kNo}) !=
          platform::Button::kYes)
        return kExitOk;
      lcr::ZrusLHC(*db, {from->code, from->version, name}, Logger());
      Show("LHC smazáno");
      return kExitOk;
    }
    // select: one operation on a selected part inside the selections' transaction.
    lcr::Selection s;
    s.level = a.level == "odd"   ? 1
              : a.level == "por" ? 2
              : a.level == "psk" ? 3
              : a.level == "bzl" ? 4
              : a.level == "jp"  ? 5
                                 : 0;
    s.odd = a.odd;
    s.odd_id = a.odd_id;
    s.dil = a.dil;
    s.por = a.por;
    s.psk = a.psk;
    s.plot = a.plot;
    s.plot_id = a.plot_id;
    lcr::Selections selections(*db, *from, Logger());
    auto ask = [](const std::string& q) {
      return platform::ui().Ask(q, {platform::Button::kYes, platform::Button::kNo}) ==
             platform::Button::kYes;
    };
    std::string result;
    if (a.action == "copy" || a.action == "move") {
      if (!selections.SetDestination(*to)) {
        Show(fmt::format("Nelze zkopírovat. LHC_KOD \"{}\", LHC_KOD_ID \"{}\" neexistuje. Zadej "
                         "znovu.",
                         to->code, to->version),
             platform::Severity::kFailure);
        return kExitFailure;
      }
      result = selections.Kopiruj(s, a.target_odd_id);
      if (a.action == "move" && result.starts_with("Hotovo")) {
        Show(result);
        result = selections.Smaz(s, false, ask);
      }
    } else {
      result = selections.Smaz(s, a.action == "delete-forest", ask);
    }
    Show(result);
    const bool keep =
        platform::ui().Ask("Ukončení transakce: mají se změny z poslední transakce zapsat?",
                           {platform::Button::kYes, platform::Button::kNo}) ==
        platform::Button::kYes;
    if (keep)
      Show(
          "Bude provedeno definitvní zapsání změn z poslední transakce. Pokud tomu chces "
          "zabránit, musíš ihned násilně přerusit aplikaci.");
    Show(selections.UkonciTransakci(keep));
    return kExitOk;
  } catch (const std::exception& e) {
    Show(e.what(), platform::Severity::kFailure);
    return kExitFailure;
  }
}

}  // namespace

void RegisterLcrCommand(CLI::App& root, std::vector<Command>& commands) {
  auto args = std::make_shared<LcrArgs>();
  auto what = std::make_shared<std::string>();
  CLI::App* lcr_app =
      root.add_subcommand("lcr", "Údržba databáze LHP LČR (LHP_ORAC, kopie do LHP_NOVA)");
  lcr_app->require_subcommand(1);
  auto add = [&](const std::string& name, const std::string& help) {
    CLI::App* sub = lcr_app->add_subcommand(name, help);
    sub->callback([what, name] { *what = name; });
    if (name != "list") sub->add_option("--lhc", args->lhc, "LHC_KOD/LHC_KOD_ID")->required();
    return sub;
  };
  add("list", "Seznam LHC");
  add("copy", "Kopíruj LHC do databáze LHP_NOVA")
      ->add_option("--to", args->to, "Nové LHC_KOD/LHC_KOD_ID (výchozí stejné)");
  add("renumber", "Přečísluj LHC")
      ->add_option("--to", args->to, "Nové LHC_KOD/LHC_KOD_ID")
      ->required();
  add("delete", "Zruš LHC (bez možnosti rollbacku; otázku zodpoví --yes)");
  CLI::App* select = add("select", "Výběry: kopíruj, přesuň nebo smaž část LHC v jedné transakci");
  select->add_option("--to", args->to, "LHC do něhož se kopíruje (LHC_KOD/LHC_KOD_ID)");
  select->add_option("--level", args->level, "odd, por, psk, bzl nebo jp")
      ->required()
      ->check(CLI::IsMember({"odd", "por", "psk", "bzl", "jp"}));
  select->add_option("--action", args->action, "copy, move, delete nebo delete-forest")
      ->check(CLI::IsMember({"copy", "move", "delete", "delete-forest"}));
  select->add_option("--odd", args->odd, "ODD")->required();
  select->add_option("--odd-id", args->odd_id, "ODD_ID");
  select->add_option("--dil", args->dil, "DIL");
  select->add_option("--por", args->por, "POR");
  select->add_option("--psk", args->psk, "PSK");
  select->add_option("--plot", args->plot, "BZL nebo JP");
  select->add_option("--plot-id", args->plot_id, "BZL_ID nebo JP_ID");
  select->add_option("--target-odd-id", args->target_odd_id, "ODD_ID v cílovém LHC");
  Command c;
  c.sub = lcr_app;
  c.run = [args, what](const GlobalOptions& g) { return Run(*what, *args, g); };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
