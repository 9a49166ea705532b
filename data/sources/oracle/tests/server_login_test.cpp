// The login to a server database through ODBC: the dialog shown again after every failure with
// what was entered, "Storno" giving up, and no message that holds the password.
#include "data/sources/oracle/server_login.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "data/sources/oracle/tests/lcr_fixture.h"

namespace tarnik::plan {
namespace {

class ServerLoginTest : public test::LcrFixture {
 protected:
  ServerLoginTest() {
    good_ = Server("LHP_ORAC", "CREATE TABLE LHC (LHC_KOD INTEGER);");
    ::setenv("TARNIK_LHP_ORAC_PASSWORD", kSecret, 1);
  }
  ~ServerLoginTest() override {
    ::unsetenv("TARNIK_LHP_ORAC_PASSWORD");
    SetLoginDialog(previous_);
  }
  void Install(LoginDialog dialog) {
    LoginDialog old = SetLoginDialog(std::move(dialog));
    if (!installed_) previous_ = std::move(old);
    installed_ = true;
  }
  void ExpectNoSecret() {
    for (const std::string& m : ui.Messages()) EXPECT_EQ(m.find(kSecret), std::string::npos) << m;
    for (const std::string& m : ui.Statuses()) EXPECT_EQ(m.find(kSecret), std::string::npos) << m;
  }

  static constexpr const char* kSecret = "Heslo;42}";
  std::string good_;
  LoginDialog previous_;
  bool installed_ = false;
};

TEST_F(ServerLoginTest, TheDialogIsShownAgainAfterEveryFailureUntilItConnects) {
  const std::string broken = "DSN=neni_takovy";
  std::vector<LoginRequest> shown;
  Install([&](const LoginRequest& r) -> std::optional<LoginAnswer> {
    shown.push_back(r);
    if (r.showing < 3) return LoginAnswer{"uzivatel", std::nullopt, broken};
    return LoginAnswer{"uzivatel", std::nullopt,
                       testing::ScopedSqliteOdbc::ConnectionString(good_)};
  });
  auto db = PripojDatabazi("LHP_ORAC");
  ASSERT_NE(db, nullptr);
  EXPECT_TRUE(db->IsConnected());
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].database, "LHP_ORAC");
  EXPECT_EQ(shown[0].user, "LHP");
  EXPECT_EQ(shown[0].alias, testing::ScopedSqliteOdbc::ConnectionString(good_));
  // Shown again with what was entered.
  EXPECT_EQ(shown[1].showing, 2);
  EXPECT_EQ(shown[1].user, "uzivatel");
  EXPECT_EQ(shown[1].alias, broken);
  // Each failure: the connection's message naming the database, then the request to try again.
  const std::vector<std::string> messages = ui.Messages();
  ASSERT_EQ(messages.size(), 4u);
  for (int i : {0, 2}) {
    EXPECT_EQ(messages[i].rfind("Databázi \"LHP_ORAC\" nelze připojit: ", 0), 0u) << messages[i];
    EXPECT_EQ(messages[i + 1], "Databázi nelze připojit. Zkuste to znovu.");
  }
  EXPECT_TRUE(ui.MessagesOf(platform::Severity::kFailure).empty());
  ExpectNoSecret();
}

TEST_F(ServerLoginTest, StornoGivesUpAndTheDefaultConfirmsTheSettingsOnce) {
  int showings = 0;
  Install([&](const LoginRequest&) -> std::optional<LoginAnswer> {
    ++showings;
    return std::nullopt;
  });
  EXPECT_EQ(PripojDatabazi("LHP_ORAC"), nullptr);
  EXPECT_EQ(showings, 1);
  EXPECT_TRUE(ui.Messages().empty());

  // Without a dialog the installation's settings are tried once.
  SetLoginDialog(nullptr);
  EXPECT_NE(PripojDatabazi("LHP_ORAC"), nullptr);
  platform::IniFile ini(platform::ProgramFile("vekta.ini"));
  ini.WriteString("DATABASE", "LHP_ORAC", "DSN=neni_takovy");
  EXPECT_EQ(PripojDatabazi("LHP_ORAC"), nullptr);
  ASSERT_EQ(ui.Messages().size(), 2u);
  EXPECT_EQ(ui.Messages()[1], kLoginRetryText);
  // A database the installation does not name is reported by its name.
  EXPECT_EQ(PripojDatabazi("LHP_NOVA"), nullptr);
  ASSERT_EQ(ui.Messages().size(), 4u);
  EXPECT_EQ(ui.Messages()[2].rfind("Databáze \"LHP_NOVA\" není nastavena v souboru vekta.ini", 0),
            0u)
      << ui.Messages()[2];
  ExpectNoSecret();

  // Confirming twice: the second showing is answered too, the third is "Storno".
  int tried = 0;
  const LoginDialog twice = ConfirmLoginSettings(2);
  Install([&](const LoginRequest& r) {
    ++tried;
    return twice(r);
  });
  EXPECT_EQ(PripojDatabazi("LHP_ORAC"), nullptr);
  EXPECT_EQ(tried, 3);
  EXPECT_EQ(NotOpenedText("LHP_ORAC"), "Databáze \"LHP_ORAC\" nebude otevřena.");
}

}  // namespace
}  // namespace tarnik::plan
