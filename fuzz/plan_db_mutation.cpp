// Mutation test of the planning database: every case copies the sample unit's plan and
// plan-wide databases, damages them at random (fuzz/db_mutator.h) and runs `tarnik export` on
// the copy, and every fourth case `tarnik info --data --json` too, in a child process with a time
// limit. A crash, a sanitizer report or a case that does not finish in time fails the run, which
// names the case's seed, its mutations and the child's output; `--case SEED` repeats one case in
// this process. Messages about the damaged data are expected and not checked.
//
//   plan_db_mutation [--cases N | --seconds S] [--seed N] [--case SEED] [--mutations N]
//                    [--timeout S] [--sample DIR] [--program-dir DIR] [--keep DIR] [--verbose]
//                    [--properties]
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "app/commands/program_start.h"
#include "app/cli/cli_app.h"
#include "forest/hierarchy/lhc.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "framework/models/world.h"
#include "fuzz/db_mutator.h"
#include "fuzz/property_walk.h"
#include "fuzz/quiet_ui.h"
#include "platform/paths.h"

namespace {

namespace fsys = std::filesystem;
using tarnik::fuzzing::Rng;

struct Options {
  uint64_t seed = 1;
  long cases = 0;  // 0: as long as `seconds` allows
  double seconds = 0;
  bool one_case = false;
  uint64_t case_seed = 0;
  int max_mutations = 8;
  unsigned timeout = 120;
  std::string sample = TARNIK_MUTATION_SAMPLE_DIR;
  std::string program_dir = TARNIK_MUTATION_PROGRAM_DIR;
  std::string keep;
  bool verbose = false;
  bool properties = false;  // every property of every element read as text, too
};

// What a case child answers: kExitBase + the exit code of the export command.
constexpr int kExitBase = 100;

[[noreturn]] void Usage(const std::string& problem) {
  std::cerr << "plan_db_mutation: " << problem << "\n"
            << "usage: plan_db_mutation [--cases N | --seconds S] [--seed N] [--case SEED]\n"
               "         [--mutations N] [--timeout S] [--sample DIR] [--program-dir DIR]\n"
               "         [--keep DIR] [--verbose] [--properties]\n";
  std::exit(2);
}

uint64_t Number(const std::string& text) {
  try {
    size_t used = 0;
    const uint64_t v = std::stoull(text, &used, 0);
    if (used == text.size()) return v;
  } catch (const std::exception&) {
  }
  Usage("not a number: " + text);
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) Usage(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--cases") {
      o.cases = static_cast<long>(Number(value()));
    } else if (arg == "--seconds") {
      o.seconds = static_cast<double>(Number(value()));
    } else if (arg == "--seed") {
      o.seed = Number(value());
    } else if (arg == "--case") {
      o.one_case = true;
      o.case_seed = Number(value());
    } else if (arg == "--mutations") {
      o.max_mutations = static_cast<int>(Number(value()));
    } else if (arg == "--timeout") {
      o.timeout = static_cast<unsigned>(Number(value()));
    } else if (arg == "--sample") {
      o.sample = value();
    } else if (arg == "--program-dir") {
      o.program_dir = value();
    } else if (arg == "--keep") {
      o.keep = value();
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (arg == "--properties") {
      o.properties = true;
    } else {
      Usage("unknown argument " + arg);
    }
  }
  if (!o.one_case && o.cases == 0 && o.seconds == 0) o.cases = 100;
  if (o.max_mutations < 1) Usage("--mutations must be at least 1");
  return o;
}

std::string ReadAll(const fsys::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// <target>/tables.sqlite from the SQL files of `source` in name order.
void BuildDatabase(const fsys::path& source, const fsys::path& target) {
  std::vector<fsys::path> files;
  for (const auto& entry : fsys::directory_iterator(source)) {
    if (entry.path().extension() == ".sql") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::string sql = "BEGIN;\n";
  for (const auto& f : files) sql += ReadAll(f) + "\n";
  sql += "COMMIT;\n";
  fsys::create_directories(target);
  sqlite3* db = nullptr;
  const std::string file = (target / "tables.sqlite").string();
  char* error = nullptr;
  const bool ok = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                  sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
  const std::string message = error ? error : (db ? sqlite3_errmsg(db) : "out of memory");
  sqlite3_free(error);
  sqlite3_close(db);
  if (files.empty() || !ok)
    throw std::runtime_error("cannot build " + file + " from " + source.string() + ": " + message);
}

// One case: its databases, what was done to them and how the export is called.
struct Case {
  uint64_t seed = 0;
  fsys::path dir;
  std::vector<std::string> mutations;
  std::vector<std::string> export_args;
  bool with_info = false;
};

Case PrepareCase(uint64_t seed, const Options& o, const fsys::path& templ, const fsys::path& dir) {
  Case c;
  c.seed = seed;
  c.dir = dir;
  fsys::remove_all(dir);
  fsys::create_directories(dir / "out");
  for (const char* db : {"DATA", "PHS"}) {
    fsys::create_directories(dir / db);
    fsys::copy_file(templ / db / "tables.sqlite", dir / db / "tables.sqlite");
  }
  Rng rng(seed);
  const int count = 1 + static_cast<int>(rng.Below(static_cast<uint64_t>(o.max_mutations)));
  int on_plan = 0;
  for (int i = 0; i < count; ++i) on_plan += rng.Percent(75) ? 1 : 0;
  for (const char* db : {"DATA", "PHS"}) {
    const int n = std::string(db) == "DATA" ? on_plan : count - on_plan;
    if (n == 0) continue;
    for (std::string& m :
         tarnik::fuzzing::MutateDatabase((dir / db / "tables.sqlite").string(), rng, n))
      c.mutations.push_back(std::string(db) + ": " + m);
  }
  for (const char* db : {"DATA", "PHS"}) {
    if (!rng.Percent(3)) continue;
    const std::string done =
        tarnik::fuzzing::DamageFile((dir / db / "tables.sqlite").string(), rng);
    if (!done.empty()) c.mutations.push_back(std::string(db) + ": tables.sqlite " + done);
  }
  c.export_args = {"--quiet",
                   "--yes",
                   "--program-dir",
                   o.program_dir,
                   "export",
                   "--variant",
                   rng.Percent(50) ? "numerika" : "numerika-lcr",
                   "--data",
                   (dir / "DATA").string(),
                   "--out",
                   (dir / "out").string()};
  if (rng.Percent(20)) c.export_args.push_back("--with-bark");
  if (rng.Percent(20)) c.export_args.push_back("--no-mzd-under-80");
  if (rng.Percent(20)) c.export_args.push_back("--keep-cancelled-statutes");
  c.with_info = rng.Percent(25);
  return c;
}

int RunTarnik(std::vector<std::string> args) {
  args.insert(args.begin(), "tarnik");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  const int code = tarnik::cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
  std::cerr << err.str();
  tarnik::framework::ResetWorld();
  return code;
}

// Loads the unit and reads every property of every element, compartment by compartment;
// answers the count of properties read.
size_t ReadUnitProperties(const Case& c, const Options& o) {
  tarnik::fuzzing::InstallQuietUi();
  tarnik::platform::SetProgramDir(o.program_dir);
  tarnik::plan::UnitSession session = tarnik::plan::OpenUnitSession((c.dir / "DATA").string());
  if (!session.ok()) return 0;
  tarnik::plan::TLesniCelek& unit = *session.unit;
  size_t count = tarnik::fuzzing::ReadEveryProperty(unit);
  while (!unit.JeKonec()) {
    if (unit.NactiDalsiOddeleni(false) && unit.LHC())
      count += tarnik::fuzzing::ReadEveryProperty(*unit.LHC());
  }
  tarnik::plan::CloseUnitSession(session);
  tarnik::framework::ResetWorld();
  return count;
}

// Runs the case's commands in this process and answers the export's exit code.
int RunCase(const Case& c, const Options& o) {
  if (o.properties) std::cerr << "properties read: " << ReadUnitProperties(c, o) << "\n";
  const int code = RunTarnik(c.export_args);
  if (c.with_info) {
    RunTarnik({"--quiet", "--yes", "--program-dir", o.program_dir, "info", "--data",
               (c.dir / "DATA").string(), "--json"});
  }
  return code;
}

struct Outcome {
  bool failed = false;
  std::string what;  // "signal 11", "exit code 1", "no end after 120 s"
  int export_code = -1;
};

// Whether the case wrote a document with at least one compartment in it.
bool WroteCompartments(const Case& c) {
  std::error_code ec;
  for (const auto& entry : fsys::directory_iterator(c.dir / "out" / "ISHULXML", ec)) {
    if (entry.path().extension() == ".xml" &&
        ReadAll(entry.path()).find("<ODD ") != std::string::npos)
      return true;
  }
  return false;
}

Outcome RunCaseInChild(const Case& c, const Options& o) {
  const fsys::path log = c.dir / "log.txt";
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return {true, "fork failed", -1};
  if (pid == 0) {
    if (std::FILE* f = std::freopen(log.c_str(), "w", stderr)) {
      dup2(fileno(f), STDOUT_FILENO);
    }
    alarm(o.timeout);
    const int code = RunCase(c, o);
    std::fflush(nullptr);
    std::exit(kExitBase + code);  // leak checks run at exit
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  if (WIFSIGNALED(status)) {
    if (WTERMSIG(status) == SIGALRM)
      return {true, fmt::format("no end after {} s (a hang)", o.timeout), -1};
    return {true, fmt::format("killed by signal {}", WTERMSIG(status)), -1};
  }
  const int code = WEXITSTATUS(status);
  if (code < kExitBase) return {true, fmt::format("exit code {}", code), -1};
  return {false, "", code - kExitBase};
}

std::string Tail(const std::string& text, size_t lines) {
  size_t pos = text.size();
  while (lines-- > 0 && pos > 0) {
    pos = text.rfind('\n', pos - 1);
    if (pos == std::string::npos) return text;
  }
  return text.substr(pos + 1);
}

void Report(const Case& c, const Outcome& outcome, const Options& o) {
  std::cerr << fmt::format("plan_db_mutation: FAILED case seed {:#x}: {}\n", c.seed, outcome.what);
  for (const std::string& m : c.mutations) std::cerr << "  mutation: " << m << "\n";
  std::cerr << "  output (end):\n" << Tail(ReadAll(c.dir / "log.txt"), 60) << "\n";
  std::cerr << fmt::format("  repeat: plan_db_mutation --case {:#x} --mutations {}{}\n", c.seed,
                           o.max_mutations, o.properties ? " --properties" : "");
  if (!o.keep.empty()) {
    const fsys::path kept = fsys::path(o.keep) / fmt::format("case-{:016x}", c.seed);
    std::error_code ec;
    fsys::create_directories(kept, ec);
    fsys::copy(c.dir, kept, fsys::copy_options::recursive | fsys::copy_options::overwrite_existing,
               ec);
    std::cerr << "  kept in " << kept.string() << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o = ParseOptions(argc, argv);
  const fsys::path root =
      fsys::temp_directory_path() / fmt::format("tarnik-mutation-{}", static_cast<long>(getpid()));
  int failures = 0;
  try {
    fsys::remove_all(root);
    const fsys::path templ = root / "template";
    BuildDatabase(fsys::path(o.sample) / "DATA", templ / "DATA");
    BuildDatabase(fsys::path(o.sample) / "PHS", templ / "PHS");
    // The cases run on a copy of the program directory, so nothing they write stays behind.
    fsys::copy(o.program_dir, root / "program", fsys::copy_options::recursive);
    o.program_dir = (root / "program").string();

    // Registered once here, the classes come into every case child ready.
    tarnik::app::RegisterProgramClasses();
    tarnik::app::RegisterPlanSources();
    if (o.one_case) {
      const Case c = PrepareCase(o.case_seed, o, templ, root / "case");
      for (const std::string& m : c.mutations) std::cerr << "mutation: " << m << "\n";
      const int code = RunCase(c, o);
      std::cerr << fmt::format("export exit code {}\n", code);
      if (!o.keep.empty()) {
        fsys::copy(c.dir, o.keep,
                   fsys::copy_options::recursive | fsys::copy_options::overwrite_existing);
      }
      fsys::remove_all(root);
      return 0;
    }

    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
      return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    long done = 0;
    long by_code[4] = {0, 0, 0, 0};  // export exit codes 0..3
    long with_compartments = 0;
    double slowest = 0;
    uint64_t slowest_seed = 0;
    Rng seeds(o.seed);
    while (o.cases ? done < o.cases : elapsed() < o.seconds) {
      const Case c = PrepareCase(seeds.Next(), o, templ, root / "case");
      const double case_start = elapsed();
      const Outcome outcome = RunCaseInChild(c, o);
      const double took = elapsed() - case_start;
      if (took > slowest) {
        slowest = took;
        slowest_seed = c.seed;
      }
      ++done;
      if (outcome.failed) {
        ++failures;
        Report(c, outcome, o);
      } else if (outcome.export_code >= 0 && outcome.export_code < 4) {
        ++by_code[outcome.export_code];
      }
      if (!outcome.failed && WroteCompartments(c)) ++with_compartments;
      if (o.verbose) {
        std::cerr << fmt::format(
            "case {} seed {:#x}: {} mutations, {}, {:.1f} s\n", done, c.seed, c.mutations.size(),
            outcome.failed ? outcome.what : fmt::format("exit {}", outcome.export_code), took);
      }
    }
    std::cout << fmt::format(
        "plan_db_mutation: {} cases from seed {} in {:.0f} s, {} failed; export exit codes "
        "0: {}, 1: {}, 2: {}, 3: {}; {} documents with compartments; slowest case {:#x} "
        "{:.1f} s\n",
        done, o.seed, elapsed(), failures, by_code[0], by_code[1], by_code[2], by_code[3],
        with_compartments, slowest_seed, slowest);
  } catch (const std::exception& e) {
    std::cerr << "plan_db_mutation: " << e.what() << "\n";
    fsys::remove_all(root);
    return 1;
  }
  fsys::remove_all(root);
  return failures == 0 ? 0 : 1;
}
