#include "data/engine/server_connections.h"

#include <cstdlib>

#include <fmt/format.h>

#include "data/engine/aliases.h"
#include "data/engine/engine_error.h"
#include "data/engine/odbc_connection.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {
std::string Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}
}  // namespace

ServerSettings ReadServerSettings(const std::string& name) {
  platform::IniFile ini(platform::ProgramFile(kSettingsFile));
  ServerSettings s;
  s.name = name;
  s.server = platform::Trim(ini.ReadString(kSettingsSection, name, ""));
  s.params.alias = name;
  s.params.user = ini.ReadString(kSettingsSection, name + "_USER", "LHP");
  s.params.password = ini.ReadString(kSettingsSection, name + "_PASSWORD", "");
  if (std::string user = Environment("TARNIK_" + name + "_USER"); !user.empty())
    s.params.user = user;
  if (std::getenv(("TARNIK_" + name + "_PASSWORD").c_str()))
    s.params.password = Environment("TARNIK_" + name + "_PASSWORD");
  return s;
}

std::unique_ptr<SqlConnection> ConnectServer(const std::string& name) {
  return ConnectServer(ReadServerSettings(name));
}

std::unique_ptr<SqlConnection> ConnectServer(const ServerSettings& settings) {
  if (settings.server.empty())
    throw EngineError(fmt::format("Databáze \"{}\" není nastavena v souboru {} (oddíl {}).",
                                  settings.name, kSettingsFile, kSettingsSection));
  auto connection = std::make_unique<OdbcConnection>(
      std::map<std::string, std::string>{{settings.name, settings.server}});
  connection->Connect(settings.params);
  return connection;
}

}  // namespace tarnik::engine
