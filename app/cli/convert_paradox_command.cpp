// `tarnik convert-paradox DIR`: converts the Paradox tables (*.DB) of a directory into its
// tables.sqlite. One line per table on stdout; tables kept or failed are reported on stderr.
// Exit 0 when every table converted or was kept, 1 when the directory is missing, holds no
// Paradox table or a table failed.
#include <fmt/format.h>

#include <memory>
#include <ostream>

#include "app/cli/commands.h"
#include "data/engine/engine_error.h"
#include "data/engine/paradox_convert.h"
#include "platform/fs.h"

namespace tarnik::cli {

void RegisterConvertParadoxCommand(CLI::App& root, std::vector<Command>& commands) {
  struct Args {
    std::string directory;
    bool replace = false;
  };
  auto args = std::make_shared<Args>();
  Command c;
  c.sub = root.add_subcommand("convert-paradox",
                              "Převede tabulky Paradox (*.DB) adresáře do jeho tables.sqlite");
  c.sub->add_option("DIR", args->directory, "Adresář s tabulkami Paradox")->required();
  c.sub->add_flag("--replace", args->replace,
                  "Nahradí tabulky, které už tables.sqlite obsahuje (jinak zůstanou beze změny)");
  c.run = [args](const GlobalOptions& g) {
    std::ostream& out = *g.out;
    std::ostream& err = *g.err;
    if (!platform::DirectoryExists(args->directory)) {
      err << fmt::format("Adresář \"{}\" neexistuje.\n", args->directory);
      return kExitFailure;
    }
    if (platform::ListDirectory(args->directory, "*.db").empty()) {
      err << fmt::format("V adresáři \"{}\" nejsou žádné tabulky Paradox (*.DB).\n",
                         args->directory);
      return kExitFailure;
    }
    engine::ParadoxConversion result;
    try {
      result = engine::ConvertParadoxDirectory(args->directory, {.replace = args->replace});
    } catch (const engine::EngineError& e) {
      err << e.what() << "\n";
      return kExitFailure;
    }
    int converted = 0, kept = 0, failed = 0;
    for (const auto& t : result.tables) {
      switch (t.outcome) {
        case engine::ConvertedTable::Outcome::kConverted:
          ++converted;
          out << fmt::format("{} -> {}: {} řádků\n", t.file, t.table, t.rows);
          break;
        case engine::ConvertedTable::Outcome::kKept:
          ++kept;
          err << t.message << "\n";
          break;
        case engine::ConvertedTable::Outcome::kFailed:
          ++failed;
          err << t.message << "\n";
          break;
      }
    }
    if (!g.quiet) {
      err << fmt::format("Převedeno tabulek: {}, ponecháno: {}, chybných: {}.\n", converted, kept,
                         failed);
    }
    return failed == 0 ? kExitOk : kExitFailure;
  };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
