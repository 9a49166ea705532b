// The login to an LČR server database ("LCR_ORAC", "LHP_ORAC", "LHP_NOVA"): the dialog
// "Vyběr database LHP :" (fields "USER NAME :", "PASSWORD :", "ALIAS :", buttons "OK" and
// "Storno") is shown until the database connects or the answer is "Storno". Every failed attempt
// shows the connection's message, which names the database and never the password, and then
// "Databázi nelze připojit. Zkuste to znovu.". The dialog is the front end's: the window installs
// its own, the command line one answered by its options; without one the settings of vekta.ini
// and the environment are confirmed once and the dialog shown again after a failure answers
// "Storno". The installed dialog is process-wide and lives until replaced.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "data/engine/sql_connection.h"

namespace tarnik::plan {

inline constexpr const char* kLoginCaption = "Vyběr database LHP :";
inline constexpr const char* kLoginRetryText = "Databázi nelze připojit. Zkuste to znovu.";

// What the dialog shows: never the password.
struct LoginRequest {
  std::string database;  // the database name
  int showing = 1;       // 1 the first time, 2 after the first failure, ...
  std::string user;      // prefilled
  std::string alias;     // prefilled: the DSN or connection string the installation names
};

// "OK" with the fields; a password left nullopt keeps the one the installation gives.
struct LoginAnswer {
  std::string user;
  std::optional<std::string> password;
  std::string alias;
};

using LoginDialog = std::function<std::optional<LoginAnswer>(const LoginRequest&)>;

// Installs a dialog (nullptr: the default) and answers the previous one.
LoginDialog SetLoginDialog(LoginDialog dialog);
// A dialog that confirms the prefilled fields at its first `showings` showings and answers
// "Storno" after that.
LoginDialog ConfirmLoginSettings(int showings);

// The failure when the login ended without a connection: "Databáze "<database>" nebude otevřena.".
std::string NotOpenedText(const std::string& database);

// `PripojDatabazi`: the named database, connected; nil when the dialog ended with "Storno".
std::unique_ptr<engine::SqlConnection> PripojDatabazi(const std::string& database);

}  // namespace tarnik::plan
