// `tarnik info`: what the program knows about its installation: version, program directory and
// the data files found in it.
#include <fmt/format.h>

#include <ostream>

#include "app/cli/commands.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/version.h"

namespace tarnik::cli {

void RegisterInfoCommand(CLI::App& root, std::vector<Command>& commands) {
  Command c;
  c.sub = root.add_subcommand("info", "Vypíše verzi, adresář programu a nalezené datové soubory");
  c.run = [](const GlobalOptions& g) {
    std::ostream& out = *g.out;
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
  };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
