#include <gtest/gtest.h>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using test::Result;
using test::RunTarnik;

class ScriptCommandTest : public ::testing::Test {
 protected:
  testing::ScopedProgramDir program_;
};

TEST_F(ScriptCommandTest, ErrorLinesGoToStdoutAndFailTheCommand) {
  std::string t = program_.File("t.ksl");
  testing::WriteFile(t, "X.Y = 1\r\n");
  Result r = RunTarnik({"script", t});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.out, "ERROR 2: Soubor " + t +
                       ", řádek.č.1:\r\n\"X.Y = 1\"\r\r\nChyba: Nemohu nalézt element X\n");

  Result missing = RunTarnik({"script", program_.File("nic.ksl")});
  EXPECT_EQ(missing.code, kExitFailure);
  EXPECT_EQ(missing.out,
            "ERROR 1: Skriptový soubor " + program_.File("nic.ksl") + " nenalezen !\n");
  EXPECT_EQ(RunTarnik({"script"}).code, kExitUsage);
}

TEST_F(ScriptCommandTest, QueriesPrintAndTheStartScriptRunsFirst) {
  testing::WriteFile(program_.File("start.ksl"),
                     "WORLD.NextElement = WORLD.CREATE(OwnerEntity, DATA)\r\n"
                     "WORLD.DATA.CREATEELEMENT(OwnerEntity, LAYERS)\r\n"
                     "WORLD.DATA.CREATEELEMENT(OwnerEntity, HIERARCHY)\r\n");
  testing::WriteFile(program_.File("q.ksl"), "WORLD.FINDELEMENTBYNAME(DATA).ELEMENT.Name\r\n");
  Result r =
      RunTarnik({"--start-script", program_.File("start.ksl"), "script", program_.File("q.ksl")});
  EXPECT_EQ(r.code, kExitOk) << r.out << r.err;
  EXPECT_EQ(r.out, "LAYERS\nHIERARCHY\n");

  // The options INI names the start script just as well.
  testing::WriteFile(program_.File("o.ini"),
                     "[Options]\r\nStartScript=" + program_.File("start.ksl") + "\r\n");
  r = RunTarnik({"--ini", program_.File("o.ini"), "script", program_.File("q.ksl")});
  EXPECT_EQ(r.out, "LAYERS\nHIERARCHY\n");
}

}  // namespace
}  // namespace tarnik::cli
