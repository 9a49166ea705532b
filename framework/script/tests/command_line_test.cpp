#include <gtest/gtest.h>

#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "framework/models/world.h"
#include "framework/script/command_line.h"
#include "framework/script/script_classes.h"
#include "framework/tools/technology.h"
#include "framework/tools/tool_classes.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::framework {
namespace {

// A result tool: Result = Prefix + Text + the input's name.
class TEcho : public TResultTool {
 public:
  TARNIK_ELEMENT_CLASS(TEcho)
  std::string text;
  std::string prefix;
  std::string GetParameterName(int index) override { return index == 0 ? "Text" : ""; }
  void Execute() override {
    TResultTool::Execute();
    SetResult(prefix + text + (Input() ? Input()->GetName() : "?"));
    SetOutput(Input());
  }
};

void DefineEcho(std::vector<TPropInfo>& out) {
  TPropDefs<TEcho> d(out);
  d.String(
      "Text", [](TEcho& t) { return t.text; }, [](TEcho& t, const std::string& v) { t.text = v; });
  d.String(
      "Prefix", [](TEcho& t) { return t.prefix; },
      [](TEcho& t, const std::string& v) { t.prefix = v; });
}

TARNIK_DEFINE_CLASS(TEcho, TResultTool, DefineEcho)

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFrameworkClasses();
    RegisterToolClasses();
    RegisterScriptClasses();
    static bool echo = false;
    if (!echo) RegisterElementClass<TEcho>();
    echo = true;
    data_ = new TOwnerEntity();
    data_->SetName("DATA");
    for (const char* n : {"LAYERS", "HIERARCHY"}) data_->NewElement("TOwnerEntity", n);
    World().AddElement(data_);
    cl_ = new TCommandLine();
    World().AddElement(cl_);
    cl_->SetByDDE(true);
    cl_->SetOutputListener([this](const std::string& l) { heard_.push_back(l); });
  }
  void TearDown() override { ResetWorld(); }
  std::vector<std::string> RunFile(const std::string& name, const std::string& text) {
    testing::WriteFile(dir_.File(name), text);
    heard_.clear();
    cl_->SetActualDirectory(dir_.path());
    cl_->SetFileName(name);
    cl_->Execute();
    return heard_;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  testing::TempDir dir_;
  TOwnerEntity* data_ = nullptr;
  TCommandLine* cl_ = nullptr;
  std::vector<std::string> heard_;
};

TEST_F(CommandLineTest, ReportsTheFailingLineAndMissingScripts) {
  auto out = RunFile("t.ksl", "X.Y = 1\r\n");
  EXPECT_EQ(out, (std::vector<std::string>{
                     "ERROR 2: Soubor t.ksl, řádek.č.1:\r\n\"X.Y = 1\"\r\r\nChyba: Nemohu nalézt "
                     "element X"}));
  heard_.clear();
  cl_->SetActualDirectory("");
  cl_->SetFileName(dir_.File("nic.ksl"));
  cl_->Execute();
  EXPECT_EQ(heard_, (std::vector<std::string>{"ERROR 1: Skriptový soubor " + dir_.File("nic.ksl") +
                                              " nenalezen !"}));
}

TEST_F(CommandLineTest, ListsTheChildrenOfData) {
  auto out = RunFile("q.ksl", "WORLD.FINDELEMENTBYNAME(DATA).ELEMENT.Name\n");
  EXPECT_EQ(out, (std::vector<std::string>{"LAYERS", "HIERARCHY"}));
  // The loaded lines run again; Line alone runs only that statement.
  heard_.clear();
  cl_->Execute();
  EXPECT_EQ(heard_.size(), 2u);
  heard_.clear();
  cl_->SetLine("DATA.LAYERS.Name");
  cl_->Execute();
  EXPECT_EQ(heard_, (std::vector<std::string>{"LAYERS"}));
}

TEST_F(CommandLineTest, PropertiesAndPositionalParameters) {
  SetPositionalParameter(*cl_, 0, "a.ksl");
  SetPositionalParameter(*cl_, 1, "/x");
  EXPECT_EQ(cl_->FileName(), "a.ksl");
  EXPECT_EQ(cl_->GetPropertyText("ActualDirectory"), "/x/");
  EXPECT_EQ(cl_->GetParameterName(2), "");
  cl_->SetPropertyText("NextLine", "DATA.Name = 'D'");
  cl_->SetPropertyText("NextLine", "D.Name = 'E'");
  cl_->Execute();
  EXPECT_EQ(data_->GetName(), "E");
  EXPECT_EQ(cl_->Vars()->GetName(), "VAR:");
  EXPECT_EQ(cl_->IndexOf(cl_->Vars()), 0);
  cl_->SetInput(data_);
  EXPECT_EQ(cl_->ActiveElement(), data_);
}

TEST_F(CommandLineTest, ToolCallsTakePositionalAndNamedParameters) {
  auto out = RunFile("e.ksl",
                     "DATA.ECHO('abc', Prefix:'>')\n"
                     "DATA.LAYERS.Name = WORLD.DATA.ECHO(\"x\")\n"
                     "X:TElement = DATA.ECHO('y')\n"
                     "ECHO(::raw)\n"
                     "DATA.NEZNAMA()\n");
  ASSERT_EQ(out.size(), 4u) << out[0];
  EXPECT_EQ(out[0], ">abcDATA");
  EXPECT_EQ(data_->GetElement(0)->GetName(), "xDATA");
  // A result tool's Result is a literal, never an element.
  EXPECT_EQ(out[1].substr(0, 9), "ERROR 8: ");
  EXPECT_EQ(out[2], "::raw" + World().GetName());
  EXPECT_NE(out[3].find("Chyba: chybná funkce: NEZNAMA"), std::string::npos);
}

TEST_F(CommandLineTest, TechnologiesCreateToolsAndDoItRuns) {
  auto* tech = new TTechnology();
  tech->SetName("TECH");
  World().AddElement(tech);
  auto out = RunFile("t.ksl", "TECH.CREATETOOL(TTool, T1)\nTECH.ActiveTool.DOIT()\nDATA.DOIT()\n");
  ASSERT_EQ(tech->ToolCount(), 1) << out[0];
  EXPECT_TRUE(tech->ToolAt(0)->Running());
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Chyba: Objekt na pozici 10 není Tool"), std::string::npos) << out[0];
  out = RunFile("u.ksl", "DATA.CREATETOOL(TTool, T2)\n");
  EXPECT_NE(out[0].find("není Technology"), std::string::npos) << out[0];
}

TEST_F(CommandLineTest, SelfCallingScriptsStopAtTheNestingLimit) {
  testing::WriteFile(dir_.File("b.ksl"), "CALL(" + dir_.File("a.ksl") + ")\nDATA.Name = 'B'\n");
  auto out = RunFile("a.ksl", "CALL(" + dir_.File("b.ksl") + ")\nCALL(" + dir_.File("b.ksl") +
                                  ")\nDATA.Name = 'A'\n");
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("Chyba: Překročena nejvyšší hloubka vnoření skriptů (16)"),
            std::string::npos)
      << out[0];
  EXPECT_EQ(data_->GetName(), "DATA");  // the whole chain stopped

  out = RunFile("s.ksl", "SELF.DOIT()\nDATA.Name = 'S'\n");
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(data_->GetName(), "DATA");

  testing::WriteFile(dir_.File("c.ksl"), "'from c'\nACTIVEELEMENT\n");
  out = RunFile("d.ksl", "ACTIVEELEMENT = DATA\nCALL(" + dir_.File("c.ksl") + ")\n");
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], "from c");
  EXPECT_EQ(out[1].substr(0, 9), "ERROR 3: ");
}

TEST_F(CommandLineTest, SmartModeRunsOneLinePerMessageAndTellsTheMainTool) {
  World().InstallMessageQueue();
  cl_->SetSmartMode(true);
  auto out = RunFile("m.ksl", "DATA.Name = 'M1'\n\nM1.LAYERS.Name = 'M2'\n");
  EXPECT_TRUE(cl_->Busy());
  EXPECT_EQ(data_->GetName(), "DATA");
  TMessageQueue& queue = World().MessageQueue();
  queue.Drain();
  EXPECT_EQ(data_->GetName(), "M1");
  for (int i = 0; i < 5 && queue.Pending() > 0; ++i) queue.Drain();
  EXPECT_EQ(data_->GetElement(0)->GetName(), "M2");
  EXPECT_FALSE(cl_->Busy());
  EXPECT_EQ(cl_->Engine().LineNumber(), 0);
}

}  // namespace
}  // namespace tarnik::framework
