// The server databases of the LČR ("LCR_ORAC", "LHP_ORAC", "LHP_NOVA") as the installation names
// them in section DATABASE of vekta.ini in the program's directory: key <name> holds the ODBC DSN
// or a whole connection string; the user name and the password come from the keys <name>_USER
// (default "LHP") and <name>_PASSWORD, or, taking precedence, from the environment variables
// TARNIK_<name>_USER and TARNIK_<name>_PASSWORD. Never from the command line; the password is
// never part of a message. A failure to connect throws EngineError with a Czech message that
// names the database.
#pragma once

#include <memory>
#include <string>

#include "data/engine/sql_connection.h"

namespace tarnik::engine {

inline constexpr const char* kLcrServer = "LCR_ORAC";
inline constexpr const char* kLhpServer = "LHP_ORAC";
inline constexpr const char* kLhpCopyServer = "LHP_NOVA";

struct ServerSettings {
  std::string name;    // the database name (alias)
  std::string server;  // DSN or connection string; empty when not set
  ConnectionParams params;
};

ServerSettings ReadServerSettings(const std::string& name);

// An ODBC connection to the named database, connected.
std::unique_ptr<SqlConnection> ConnectServer(const std::string& name);
// The same with the settings given.
std::unique_ptr<SqlConnection> ConnectServer(const ServerSettings& settings);

}  // namespace tarnik::engine
