#include <gtest/gtest.h>

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/errors.h"
#include "framework/framework_classes.h"
#include "framework/script/script_engine.h"
#include "framework/script/script_messages.h"
#include "framework/script/script_var.h"
#include "framework/values/string_list.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::framework::script {
namespace {

TOwnerEntity* Named(const std::string& name) {
  auto* e = new TOwnerEntity();
  e->SetName(name);
  return e;
}

// A world with DATA (children A and B) and an interpreter element holding the variables.
class TestHost : public TScriptHost {
 public:
  TestHost() {
    world.SetName("World");
    data = Named("DATA");
    data->AddElement(Named("A"));
    data->AddElement(Named("B"));
    world.AddElement(data);
    self = Named("Interpreter");
    world.AddElement(self);
    plain = new TOwnerElement();
    plain->SetName("Plain");
    world.AddElement(plain);
  }
  TElement* ScriptWorld() override { return &world; }
  TElement* ScriptSelf() override { return self; }
  TElement* ScriptMainTool() override { return nullptr; }
  TEntity& ScriptVars() override { return *self->FindOrCreate<TOwnerEntity>("VAR:"); }
  void ScriptCall(TScriptEngine&, TScriptCall& call) override {
    calls.push_back(call.function);
    if (call.function != "PING") throw EKelvaError(UnknownFunctionText(call.function));
    call.has_literal = true;
    call.literal = "pong " + std::to_string(call.args.size());
  }

  TOwnerEntity world;
  TOwnerEntity* data = nullptr;
  TOwnerEntity* self = nullptr;
  TOwnerElement* plain = nullptr;
  std::vector<std::string> calls;
};

class ScriptEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFrameworkClasses();
    RegisterElementClass<TVar>();
    engine_.SetByDDE(true);
    engine_.SetOutputListener([this](const std::string& l) { heard_.push_back(l); });
  }
  // Runs the lines as a script named "t.ksl" and answers everything the listener heard.
  std::vector<std::string> Run(const std::vector<std::string>& lines) {
    heard_.clear();
    engine_.SetFileName("t.ksl");
    for (const std::string& l : lines) engine_.AppendLine(l);
    engine_.RunLines();
    return heard_;
  }
  TElement* Child(const std::string& name) { return host_.data->FindElementByName(name); }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TestHost host_;
  TScriptEngine engine_{host_};
  std::vector<std::string> heard_;
};

TEST_F(ScriptEngineTest, MissingElementAbandonsTheRunWithTheLineReport) {
  auto out = Run({"X.Y = 1", "DATA.A.Name = Z"});
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0],
            "ERROR 2: Soubor t.ksl, řádek.č.1:\r\n\"X.Y = 1\"\r\r\nChyba: Nemohu nalézt element X");
  EXPECT_NE(Child("A"), nullptr);  // the second line never ran
  EXPECT_EQ(engine_.LineNumber(), 0);
  EXPECT_EQ(engine_.Line(), "");
  EXPECT_GE(ui_.pending_events, 1);
}

TEST_F(ScriptEngineTest, ScriptFilesLoadFromTheActualDirectory) {
  testing::TempDir dir;
  testing::WriteFile(dir.File("s.ksl"), "DATA.A.Name = \"\xC8\xE1p\"\r\n\r\nDATA.ELEMENT.Name\r\n");
  engine_.SetActualDirectory(dir.path());
  EXPECT_EQ(engine_.ActualDirectory(), dir.path() + "/");
  engine_.SetFileName("s.ksl");
  ASSERT_TRUE(engine_.LoadScript());
  engine_.RunLines();
  EXPECT_EQ(heard_, (std::vector<std::string>{"Čáp", "B"}));  // Windows-1250 decoded

  heard_.clear();
  engine_.SetFileName("nic.ksl");
  EXPECT_FALSE(engine_.LoadScript());
  EXPECT_EQ(heard_, (std::vector<std::string>{"ERROR 1: Skriptový soubor " + dir.path() +
                                              "/nic.ksl nenalezen !"}));
  engine_.SetByDDE(false);
  EXPECT_FALSE(engine_.LoadScript());
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Skriptový soubor " + dir.path() + "/nic.ksl nenalezen !");
}

TEST_F(ScriptEngineTest, QueriesOutputPropertiesListsAndChildHandles) {
  auto out = Run({"WORLD.FINDELEMENTBYNAME(DATA).ELEMENT.Name", "DATA.A.Name", "DATA.B", "DATA.nic",
                  "'lit'", "WORLD.DATA"});
  EXPECT_EQ(out, (std::vector<std::string>{"A", "B", "A", std::to_string(Child("B")->Handle()), "0",
                                           "lit", std::to_string(host_.data->Handle())}));
}

TEST_F(ScriptEngineTest, SkipBlocksAndComments) {
  auto out = Run({"*", "DATA.A.Name = Z", "*", "; DATA.B.Name = Y"});
  EXPECT_NE(Child("A"), nullptr);
  EXPECT_NE(Child("B"), nullptr);
  EXPECT_EQ(out, (std::vector<std::string>{"0"}));  // the closing "*" is a query of "*"
  EXPECT_FALSE(engine_.Skipping());
}

TEST_F(ScriptEngineTest, AssignmentsOfTextsObjectsAndLists) {
  auto out = Run({"DATA.A.Name = \"P 1\"", "DATA.ELEMENT.ID = '7'",
                  "DATA.NextElement = "
                  "WORLD.Interpreter",
                  "DATA.B.Name = DATA.P 1.Name"});
  EXPECT_TRUE(out.empty()) << out[0];
  EXPECT_EQ(host_.data->GetCount(), 3);
  EXPECT_EQ(host_.data->GetElement(0)->GetName(), "P 1");
  EXPECT_EQ(host_.data->GetElement(0)->ID(), 7);
  EXPECT_EQ(host_.data->GetElement(1)->ID(), 7);
  EXPECT_EQ(host_.data->GetElement(1)->GetName(), "P 1");
  EXPECT_EQ(host_.data->GetElement(2), host_.self);
}

TEST_F(ScriptEngineTest, ListValuesBecomeStringListObjects) {
  auto out = Run({"DATA.A.NextElement = DATA.ELEMENT.Name"});
  EXPECT_TRUE(out.empty());
  auto* a = dynamic_cast<TEntity*>(Child("A"));
  ASSERT_EQ(a->GetCount(), 1);
  auto* list = dynamic_cast<TStringListElement*>(a->GetElement(0));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->GetCount(), 2);
  EXPECT_EQ(list->GetElement(0)->GetName(), "A");
  EXPECT_EQ(list->GetElement(1)->GetName(), "B");
}

TEST_F(ScriptEngineTest, StatementErrorsEndOnlyTheirStatement) {
  auto out =
      Run({"ACTIVEELEMENT", "Plain.ELEMENT.Name = x", "DATA.A = WORLD.FINDELEMENTBYNAME(nic)",
           "WORLD = '1'", "ACTIVEELEMENT = DATA.ELEMENT.Name", "ACTIVEELEMENT = DATA.nic",
           "L:TElement = 'abc'", "DATA.A.Name = 'ok'"});
  ASSERT_EQ(out.size(), 7u);
  EXPECT_EQ(out[0], "ERROR 3: Chyba .. nastavení aktivního elementu: ACTIVEELEMENT");
  EXPECT_EQ(out[1],
            "ERROR 7: Chyba .. Základ seznamu na levé straně není entita (nebo je "
            "objekt poškozen) : Plain.ELEMENT.Name = x");
  EXPECT_EQ(out[2],
            "ERROR 6: výsledný objekt na pravé straně výrazu je chybný DATA.A = "
            "WORLD.FINDELEMENTBYNAME(nic)");
  EXPECT_EQ(out[3],
            "ERROR 9: Chyba .. Chybný objekt nebo properta na levé straně výrazu : "
            "WORLD = '1'");
  EXPECT_EQ(out[4],
            "ERROR 4: Chyba .. jako aktivní element nelze přiřadit seznam (klíčové slovo "
            "ELEMENT nahraďte názvem property): ACTIVEELEMENT = DATA.ELEMENT.Name");
  EXPECT_EQ(out[5], "ERROR 5: Chyba .. Nemohu nalézt objekt nic");
  EXPECT_EQ(out[6],
            "ERROR 8: Chyba .. objekt na pravé straně výrazu není element: "
            "L:TElement = 'abc'");
  EXPECT_NE(Child("ok"), nullptr);
  EXPECT_EQ(engine_.ActiveElement(), &host_.world);
}

TEST_F(ScriptEngineTest, ActiveElementMovesAndPathsStartThere) {
  Run({"ACTIVEELEMENT = DATA", "A.Name = 'X'", "ACTIVEELEMENT = WORLD.DATA.B"});
  EXPECT_NE(Child("X"), nullptr);
  EXPECT_EQ(engine_.ActiveElement(), Child("B"));
}

TEST_F(ScriptEngineTest, VariablesAreDeclaredOnceAndHoldOnlyLiveElements) {
  auto out = Run({"L:TOwnerEntity", "l:TOwnerEntity = DATA", "L.Name = 'D2'"});
  EXPECT_TRUE(out.empty()) << out[0];
  TEntity& vars = host_.ScriptVars();
  ASSERT_EQ(vars.GetCount(), 1);
  auto* var = dynamic_cast<TVar*>(vars.GetElement(0));
  ASSERT_NE(var, nullptr);
  EXPECT_EQ(var->GetName(), "L");
  EXPECT_EQ(engine_.ActualVar(), var);
  EXPECT_EQ(var->Element(), host_.data);
  EXPECT_EQ(host_.data->GetName(), "D2");

  Run({"L = \"0\""});
  EXPECT_EQ(var->Element(), nullptr);
  int32_t dead = Named("dead")->Handle();
  delete FindElementByHandle(dead);
  out = Run({"L = \"" + std::to_string(dead) + "\"", "L = Plain", "L",
             "L = \"" + std::to_string(host_.self->Handle()) + "\"", "L"});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].substr(0, 9), "ERROR 8: ");  // a dead handle is no element
  // A bare name on the right is the handle of the active element's child of that name.
  EXPECT_EQ(out[1], std::to_string(host_.plain->Handle()));
  EXPECT_EQ(out[2], std::to_string(host_.self->Handle()));
  EXPECT_EQ(var->Element(), host_.self);

  out = Run({"X:TNeniTakova"});
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Chyba: Neexistující třída: TNeniTakova"), std::string::npos);
}

TEST_F(ScriptEngineTest, FreeRefusesTheWorldAndTheInterpreterAndResetsTheActiveElement) {
  auto out = Run({"L:TElement = DATA.B", "ACTIVEELEMENT = DATA.B", "WORLD.DATA.B.FREE()",
                  "DATA.ELEMENT.Name"});
  EXPECT_EQ(out, (std::vector<std::string>{"A"}));
  EXPECT_EQ(engine_.ActiveElement(), &host_.world);
  EXPECT_EQ(dynamic_cast<TVar*>(host_.ScriptVars().GetElement(0))->Element(), nullptr);

  for (const char* line : {"WORLD.FREE()", "SELF.FREE()", "WORLD.FREEALL()", "SELF.FREEALL()"}) {
    out = Run({line});
    ASSERT_EQ(out.size(), 1u) << line;
    EXPECT_NE(out[0].find("Chyba: Objekt na pozici "), std::string::npos) << out[0];
    EXPECT_NE(out[0].find(" nelze uvolnit"), std::string::npos) << out[0];
  }
  out = Run({"Plain.FREEALL()"});
  EXPECT_EQ(out, (std::vector<std::string>{"ERROR 2: Soubor t.ksl, řádek.č.1:\r\n"
                                           "\"Plain.FREEALL()\"\r\r\nChyba: Objekt na pozici "
                                           "14 není Entita"}));
  Run({"DATA.FREEALL()"});
  EXPECT_EQ(host_.data->GetCount(), 0);
}

TEST_F(ScriptEngineTest, CreateCallsUseTheRegister) {
  auto out = Run({"DATA.CREATEELEMENT(OwnerEntity, C)", "N:TElement = CREATE(OwnerEntity, Nový)",
                  "N.Name", "DATA.FINDELEMENTBYCLASS(OwnerEntity).Name", "DATA.CREATE(Nic, x)"});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], "Nový");
  EXPECT_EQ(out[1], "A");
  EXPECT_NE(out[2].find("Chyba: Kelva nenašel třídu TNic"), std::string::npos) << out[2];
  EXPECT_NE(Child("C"), nullptr);
}

TEST_F(ScriptEngineTest, CallSyntaxErrorsAndHostCalls) {
  auto out = Run({"WORLD.FINDELEMENTBYNAME(DATA) x"});
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Chyba: Syntaktická chyba - na pozici 29 očekávám \".\" nebo nic"),
            std::string::npos)
      << out[0];
  out = Run({"WORLD.FINDELEMENTBYNAME(DATA"});
  EXPECT_NE(out[0].find("Chyba: Syntaktická chyba - na pozici 29 očekávám \")\""),
            std::string::npos)
      << out[0];
  out = Run({"PING(a, b)", "DATA.A.Name = PING()", "NEZNAMA()"});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], "pong 2");
  EXPECT_NE(Child("pong 0"), nullptr);
  EXPECT_NE(out[1].find("Chyba: chybná funkce: NEZNAMA"), std::string::npos);
}

TEST_F(ScriptEngineTest, SmartStepsSkipEmptyLinesAndStopAfterAnException) {
  engine_.SetFileName("t.ksl");
  for (const char* l : {"", "DATA.A.Name = 'X'", "nic.Name = 1", "DATA.B.Name = 'Y'"}) {
    engine_.AppendLine(l);
  }
  EXPECT_TRUE(engine_.Step());
  EXPECT_EQ(engine_.LineNumber(), 2);
  EXPECT_TRUE(engine_.Step());
  EXPECT_EQ(engine_.LineNumber(), 4);
  EXPECT_FALSE(engine_.Step());
  EXPECT_NE(Child("X"), nullptr);
  EXPECT_EQ(Child("Y"), nullptr);
  ASSERT_EQ(heard_.size(), 1u);
  EXPECT_NE(heard_[0].find("řádek.č.3"), std::string::npos);
}

}  // namespace
}  // namespace tarnik::framework::script
