#include "data/engine/aliases.h"

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {
platform::IniFile Settings() { return platform::IniFile(platform::ProgramFile(kSettingsFile)); }

bool IsNo(const std::string& value) { return value == "NE" || value == "ne" || value == "Ne"; }
}  // namespace

std::string DefaultDataDirectory() {
  return platform::JoinPath(platform::HomeDir(), "MERK98/DATA");
}

std::string FixedOlderCodeListDirectory() {
  return platform::JoinPath(platform::HomeDir(), "MERK97/CISELNIK");
}

DatabaseSettings ReadDatabaseSettings() {
  platform::IniFile ini = Settings();
  DatabaseSettings s;
  s.data_parameter = ini.ReadString(kSettingsSection, "DATA", "path=" + DefaultDataDirectory());
  s.phs_access = !IsNo(ini.ReadString(kSettingsSection, "PristupPHS", "ANO"));
  s.manager = ini.ReadString(kSettingsSection, "MANAGER", "ANO") != "NE";
  return s;
}

bool StoreDataDirectory(const std::string& directory) {
  platform::IniFile ini = Settings();
  return ini.WriteString(kSettingsSection, "DATA", "PATH=" + directory);
}

std::string DirectoryOfParameter(const std::string& parameter) {
  auto eq = parameter.find('=');
  std::string dir = eq == std::string::npos ? parameter : parameter.substr(eq + 1);
  return platform::NormalizePath(platform::Trim(dir));
}

std::string PhsDirectoryOf(const std::string& data_directory) {
  std::string p = platform::NormalizePath(data_directory);
  auto slash = p.rfind('/');
  if (slash == std::string::npos) return platform::AbsolutePath("PHS");
  return p.substr(0, slash + 1) + "PHS";
}

std::string CodeListDirectory() {
  if (auto found = platform::FindInDirectory(platform::ProgramDir(), "CISELNIK")) return *found;
  return platform::JoinPath(platform::ProgramDir(), "CISELNIK");
}

std::string OlderCodeListDirectory() {
  std::string fixed = FixedOlderCodeListDirectory();
  if (platform::DirectoryExists(fixed)) return platform::ResolvePath(fixed);
  return CodeListDirectory();
}

const AliasSet::Entry* AliasSet::Find(const std::string& alias) const {
  auto it = entries_.find(platform::UpperCz(alias));
  return it == entries_.end() ? nullptr : &it->second;
}

AliasSet::Entry* AliasSet::Find(const std::string& alias) {
  auto it = entries_.find(platform::UpperCz(alias));
  return it == entries_.end() ? nullptr : &it->second;
}

void AliasSet::Bind(const std::string& alias, const std::string& directory, OpenMode mode) {
  entries_[platform::UpperCz(alias)] = Entry{directory, mode, std::nullopt};
}

void AliasSet::Unbind(const std::string& alias) { entries_.erase(platform::UpperCz(alias)); }

bool AliasSet::IsBound(const std::string& alias) const { return Find(alias) != nullptr; }

std::optional<std::string> AliasSet::DirectoryOf(const std::string& alias) const {
  if (const Entry* e = Find(alias)) return e->directory;
  return std::nullopt;
}

Database& AliasSet::Get(const std::string& alias) {
  Entry* e = Find(alias);
  if (!e) throw EngineError(fmt::format("Databáze \"{}\" není nastavena.", alias));
  if (!e->db) e->db = Database::Open(e->directory, e->mode, alias);
  return *e->db;
}

bool AliasSet::IsConnected(const std::string& alias) const {
  const Entry* e = Find(alias);
  return e && e->db.has_value();
}

void AliasSet::Disconnect(const std::string& alias) {
  if (Entry* e = Find(alias)) e->db.reset();
}

std::unique_ptr<Table> OpenTable(AliasSet& aliases, const std::string& alias,
                                 const std::string& table) {
  std::string name = table;
  if (platform::EndsWithNoCase(name, ".db")) name.resize(name.size() - 3);
  return std::make_unique<Table>(aliases.Get(alias), name);
}

Database OpenProbe(const std::string& directory) {
  std::string probe = platform::JoinPath(directory, "testZapi.pok");
  platform::IniFile test(probe);
  bool writable = test.WriteString("Test", "Zapis", "1");
  platform::DeleteFile(probe);
  return Database::Open(directory, writable ? OpenMode::kReadOnly : OpenMode::kReadOnlyMedia,
                        kAliasProbe);
}

}  // namespace tarnik::engine
