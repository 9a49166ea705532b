// The database names (aliases) of the planning databases and where they lie: the plan data
// directory from "vekta.ini" (section DATABASE) of the program directory, its PHS sibling, the
// program's CISELNIK directory. An AliasSet binds each alias to a directory and opens its
// database on first use; copies of the opened Database stay valid after the alias is rebound.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "data/engine/database.h"
#include "data/engine/table.h"

namespace tarnik::engine {

inline constexpr const char* kAliasPlan = "DB_TX98";
inline constexpr const char* kAliasPhs = "DB_PHS98";
inline constexpr const char* kAliasCodeLists = "DB_CIS98";
inline constexpr const char* kAliasOlderPlan = "DB_TX";
inline constexpr const char* kAliasOlderPhs = "DB_PHS";
inline constexpr const char* kAliasOlderCodeLists = "DB_CIS";
inline constexpr const char* kAliasAuxiliary = "DB_TAB";
inline constexpr const char* kAliasProbe = "Db_zk";

inline constexpr const char* kSettingsFile = "vekta.ini";
inline constexpr const char* kSettingsSection = "DATABASE";

// The keys of vekta.ini that locate the databases.
struct DatabaseSettings {
  std::string data_parameter;  // DATA: "PATH=<directory>"
  bool phs_access = true;      // PristupPHS: off when "NE" in any case
  bool manager = true;         // MANAGER: "NE" means the data directory is never asked for
};
DatabaseSettings ReadDatabaseSettings();
// Stores "PATH=" + directory under DATA; false when vekta.ini cannot be written.
bool StoreDataDirectory(const std::string& directory);

// The installation's data directory used when vekta.ini has no DATA key ("<home>/MERK98/DATA"),
// and the older set's fixed code-list directory ("<home>/MERK97/CISELNIK").
std::string DefaultDataDirectory();
std::string FixedOlderCodeListDirectory();

// The directory of a connection parameter: the text after its first "=" ("PATH=C:\DATA" ->
// "C:/DATA", separators normalised), the whole text when it has none.
std::string DirectoryOfParameter(const std::string& parameter);
// The PHS directory of a data directory: the path up to and including its last separator
// followed by "PHS"; a path without a separator gives "PHS" in the working directory.
std::string PhsDirectoryOf(const std::string& data_directory);
// "<program directory>/CISELNIK", the existing spelling when there is one.
std::string CodeListDirectory();
// The older set's code lists: the fixed installation directory when it exists, else
// CodeListDirectory().
std::string OlderCodeListDirectory();

class AliasSet {
 public:
  // Binds (or rebinds) an alias; an open database of the alias is dropped from the set.
  void Bind(const std::string& alias, const std::string& directory,
            OpenMode mode = OpenMode::kReadWrite);
  void Unbind(const std::string& alias);
  bool IsBound(const std::string& alias) const;
  std::optional<std::string> DirectoryOf(const std::string& alias) const;

  // The alias's database, opened on first use; throws EngineError when the alias is not bound
  // or the database cannot be opened.
  Database& Get(const std::string& alias);
  bool IsConnected(const std::string& alias) const;
  void Disconnect(const std::string& alias);

 private:
  struct Entry {
    std::string directory;
    OpenMode mode = OpenMode::kReadWrite;
    std::optional<Database> db;
  };
  const Entry* Find(const std::string& alias) const;
  Entry* Find(const std::string& alias);
  std::map<std::string, Entry> entries_;  // keyed by the upper-cased alias
};

// A table opened by alias and table name ("DB_TX98", "PS" or "PS.DB").
std::unique_ptr<Table> OpenTable(AliasSet& aliases, const std::string& alias,
                                 const std::string& table);

// The read-only probe of a candidate directory (alias Db_zk). Writability is tested by writing
// and deleting "testZapi.pok"; a directory that cannot be written (a CD, a protected share) is
// opened as immutable media. Lock files of other programs are never touched. Throws EngineError
// when the directory holds no database.
Database OpenProbe(const std::string& directory);

}  // namespace tarnik::engine
