#include "data/sources/oracle/server_login.h"

#include <exception>
#include <utility>

#include "data/engine/server_connections.h"
#include "platform/ui.h"

namespace tarnik::plan {

namespace {
LoginDialog& Installed() {
  static LoginDialog dialog;
  return dialog;
}
}  // namespace

LoginDialog SetLoginDialog(LoginDialog dialog) {
  return std::exchange(Installed(), std::move(dialog));
}

LoginDialog ConfirmLoginSettings(int showings) {
  return [showings](const LoginRequest& request) -> std::optional<LoginAnswer> {
    if (request.showing > showings) return std::nullopt;
    return LoginAnswer{request.user, std::nullopt, request.alias};
  };
}

std::string NotOpenedText(const std::string& database) {
  return "Databáze \"" + database + "\" nebude otevřena.";
}

std::unique_ptr<engine::SqlConnection> PripojDatabazi(const std::string& database) {
  const engine::ServerSettings settings = engine::ReadServerSettings(database);
  const LoginDialog dialog = Installed() ? Installed() : ConfirmLoginSettings(1);
  LoginRequest request{database, 1, settings.params.user, settings.server};
  for (;; ++request.showing) {
    const std::optional<LoginAnswer> answer = dialog(request);
    if (!answer) return nullptr;
    engine::ServerSettings attempt = settings;
    attempt.params.user = answer->user;
    if (answer->password) attempt.params.password = *answer->password;
    attempt.server = answer->alias;
    try {
      return engine::ConnectServer(attempt);
    } catch (const std::exception& e) {
      // The connection's own message first, as the engine's error box shows it.
      platform::ui().ShowMessage(e.what(), platform::Severity::kInformation);
      platform::ui().ShowMessage(kLoginRetryText, platform::Severity::kInformation);
    }
    // The dialog is shown again with what was entered.
    request.user = answer->user;
    request.alias = answer->alias;
  }
}

}  // namespace tarnik::plan
