// The tables behind the code-list container: every list by its property name ("Tb_LT",
// "tb_DrevCis", ...). A list with a file of its own is opened lazily from the program
// directory's "ciselnik" database on first use; when that fails it stays absent and is not tried
// again. The plan container may bind its own open tables instead (bound tables are borrowed and
// must outlive the binding; lazily opened ones are owned here). Lookups never throw.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/engine/database.h"

namespace tarnik::engine {
class Table;
}

namespace tarnik::plan {

struct CodeListFile {
  const char* property;  // "Tb_LT"
  const char* file;      // "Cis_LT.db"
};

struct CodeListClass {
  const char* property;  // "Tb_LTClass"
  const char* list;      // the list property it is built on ("Tb_LT")
  const char* name;      // the database class's name ("LT")
  const char* key;       // its key column ("KOD")
  bool mel_drev;         // a TDatabaseMel_DrevClass
};

// Lists that open lazily, with their files.
const std::vector<CodeListFile>& LazyCodeLists();
// Lists that exist only when the plan container binds them.
const std::vector<std::string>& BoundOnlyCodeLists();
// The database-class properties of the container.
const std::vector<CodeListClass>& CodeListClasses();
const CodeListClass* FindCodeListClass(const std::string& property);

class CodeListTables {
 public:
  CodeListTables();
  ~CodeListTables();
  CodeListTables(const CodeListTables&) = delete;
  CodeListTables& operator=(const CodeListTables&) = delete;

  // The list's table (bound, else lazily opened); nullptr when it is absent. Names compare
  // case-insensitively.
  engine::Table* Get(const std::string& property);
  // Binds a table of the plan container to the list (nullptr unbinds).
  void Bind(const std::string& property, engine::Table* table);
  bool IsKnownList(const std::string& property) const;
  // Whether the list is answered by a table of the program's read-only code lists (not bound to
  // the plan container), whose content therefore cannot change while it stays open.
  bool IsProgramList(const std::string& property) const;
  // Drops every lazily opened table and forgets the attempts (bindings stay).
  void CloseLazy();
  // Changes whenever lazily opened tables are dropped.
  int generation() const { return generation_; }

  // The code-list directory: "<program directory>/ciselnik", matched case-insensitively.
  static std::string Directory();

 private:
  std::optional<engine::Database> OpenDatabase();

  std::map<std::string, engine::Table*> bound_;                  // upper-cased name -> table
  std::map<std::string, std::unique_ptr<engine::Table>> owned_;  // upper-cased name -> table
  std::map<std::string, bool> attempted_;
  std::optional<engine::Database> database_;
  bool database_attempted_ = false;
  int generation_ = 0;
};

}  // namespace tarnik::plan
