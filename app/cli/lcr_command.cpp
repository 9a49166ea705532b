// `tarnik lcr list|copy|renumber|delete|select ...`: the maintenance of the LČR plan database
// ("LHP_ORAC", a whole-unit copy into "LHP_NOVA"), each database named in vekta.ini with its user
// and password (never on the command line). The login dialog confirms those settings, once and,
// after a failure, as many times more as --login-retries says. A unit version is given as
// CODE/VERSION; the questions are answered by options: deleting a unit by --yes, "Výběr ODD_ID"
// by --target-odd-id (--yes takes the first ODD_ID offered), the end of the selections'
// transaction by --transaction commit|rollback (--yes commits). Exit 1 when a database cannot be
// connected, a unit version is refused or a question is left unanswered (nothing is written
// then), 3 when a copy lost rows.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <fmt/format.h>

#include "app/cli/commands.h"
#include "data/engine/server_connections.h"
#include "data/sources/oracle/lcr_maintenance.h"
#include "data/sources/oracle/server_login.h"
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
  int login_retries = 0;
  std::string transaction;  // "commit", "rollback" or empty (asked)
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

// Restores the login dialog however the command ends.
struct LoginGuard {
  plan::LoginDialog previous;
  ~LoginGuard() { plan::SetLoginDialog(std::move(previous)); }
};

int Run(const std::string& what, const LcrArgs& a, const GlobalOptions& g) {
  if (g.yes) g.console->set_assume_yes(true);
  LoginGuard login{plan::SetLoginDialog(plan::ConfirmLoginSettings(1 + a.login_retries))};
  const std::optional<LcrUnitVersion> from = ParseUnit(a.lhc);
  const std::optional<LcrUnitVersion> to = ParseUnit(a.to.empty() ? a.lhc : a.to);
  if (what != "list" && !from) {
    Show("Zadej LHC jako LHC_KOD/LHC_KOD_ID.", platform::Severity::kFailure);
    return kExitUsage;
  }
  try {
    auto db = plan::PripojDatabazi(engine::kLhpServer);
    if (!db) {
      Show("Databáze LHC nebude otevřena.", platform::Severity::kFailure);
      return kExitFailure;
    }
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
      auto target = plan::PripojDatabazi(engine::kLhpCopyServer);
      if (!target) {
        Show(plan::NotOpenedText(engine::kLhpCopyServer), platform::Severity::kFailure);
        return kExitFailure;
      }
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
    // "Výběr ODD_ID": the option's answer, or under --yes the first one offered.
    auto choose_odd_id = [&a](int64_t odd, const std::vector<int64_t>& ids) -> int64_t {
      if (a.target_odd_id) return *a.target_odd_id;
      std::string offered;
      for (int64_t id : ids) offered += (offered.empty() ? "" : ", ") + std::to_string(id);
      const std::string question =
          fmt::format("Výběr ODD_ID: oddělení {} má v cílovém LHC ODD_ID {}.", odd, offered);
      // Unanswerable without --yes; the dialog is prefilled with the first.
      platform::ui().Ask(question, {platform::Button::kOk, platform::Button::kCancel});
      return ids.front();
    };
    lcr::Selections selections(*db, *from, Logger(), choose_odd_id);
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
      result = selections.Kopiruj(s);
      if (a.action == "move" && result.starts_with("Hotovo")) {
        Show(result);
        result = selections.Smaz(s, false, ask);
      }
    } else {
      result = selections.Smaz(s, a.action == "delete-forest", ask);
    }
    Show(result);
    const bool keep =
        a.transaction.empty()
            ? platform::ui().Ask("Ukončení transakce: mají se změny z poslední transakce zapsat?",
                                 {platform::Button::kYes, platform::Button::kNo}) ==
                  platform::Button::kYes
            : a.transaction == "commit";
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
    sub->add_option("--login-retries", args->login_retries,
                    "Kolikrát se po neúspěšném připojení potvrdí přihlášení znovu (výchozí 0)")
        ->check(CLI::Range(0, 100));
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
  select->add_option("--target-odd-id", args->target_odd_id,
                     "Výběr ODD_ID: ODD_ID v cílovém LHC, má-li cíl oddělení s více ODD_ID");
  select
      ->add_option("--transaction", args->transaction,
                   "Ukončení transakce: commit zapíše změny, rollback je smaže (bez volby otázka)")
      ->check(CLI::IsMember({"commit", "rollback"}));
  Command c;
  c.sub = lcr_app;
  c.run = [args, what](const GlobalOptions& g) { return Run(*what, *args, g); };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
