#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/models/element_model.h"
#include "framework/tools/technology.h"
#include "testing/tool_fixture.h"

namespace tarnik::framework {
namespace {

// A tool whose output is a fixed element; it records the input it was run on.
class TTestStepTool : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TTestStepTool)
  void Execute() override {
    TTool::Execute();
    seen_input = Input();
    runs++;
    SetOutput(target.Get());
  }
  int32_t Count() const { return count_; }
  void SetCount(int32_t v) { count_ = v; }
  TElementRef target;
  TElementRef seen_input;
  int runs = 0;

 private:
  int32_t count_ = 0;
};

void DefineStepTool(std::vector<TPropInfo>& out) {
  TPropDefs<TTestStepTool> d(out);
  d.Integer("Count", &TTestStepTool::Count, &TTestStepTool::SetCount);
}
TARNIK_DEFINE_CLASS(TTestStepTool, TTool, DefineStepTool)

TToolModel* NewModel(const std::string& name, const std::string& class_name,
                     std::vector<std::pair<std::string, std::string>> properties = {}) {
  auto* model = new TToolModel();
  model->SetName(name);
  model->SetElementClassName(class_name);
  for (const auto& [prop, value] : properties) {
    model->NewPropertyName(prop);
    static_cast<TPropertyModel*>(model->LastPropertyModel())->SetValue(value);
  }
  return model;
}

class ToolsTest : public testing::ToolTest {
 protected:
  ToolsTest() { RegisterElementClass<TTestStepTool>(); }
};

TEST_F(ToolsTest, BreakWorkReadsEitherBitAndFalseClearsBoth) {
  TTool tool;
  EXPECT_FALSE(tool.BreakWork());
  tool.SetPropertyText("BreakWork", "True");
  EXPECT_EQ(tool.State() & 0x0C, 0x04);
  EXPECT_EQ(tool.GetPropertyText("BreakWork"), "True");
  tool.SetBreakWork(false);
  EXPECT_EQ(tool.State() & 0x0C, 0);
  tool.SetBusy(true);
  tool.SetIdle(true);
  EXPECT_EQ(tool.State(), 2 | 64);
  tool.Execute();
  EXPECT_TRUE(tool.Running());
}

TEST_F(ToolsTest, ParametersByAliasAndNextParameter) {
  TTool tool;
  auto* value = new TOwnerElement();
  value->SetName("Vstup");
  SetPropertyObject(&tool, "NextParameter", value);
  EXPECT_EQ(tool.GetParameter("vstup"), value);
  auto* other = new TOwnerElement();
  tool.SetParameter("Vstup", other);
  EXPECT_EQ(tool.GetParameter("Vstup"), other);
  // The parameter entity is the tool's child and is replaced, not leaked, by SetParameters.
  TEntity* parameters = tool.GetParameters();
  EXPECT_GE(tool.IndexOf(parameters), 0);
  auto* shared = new TParameters();
  TOwnerEntity keeper;
  keeper.AddElement(shared);
  tool.SetParameters(shared);
  EXPECT_EQ(tool.GetParameters(), shared);
  EXPECT_EQ(tool.CountOfClass(TParameters::StaticClass()), 1);
}

TEST_F(ToolsTest, ApplyModelWithoutModelReportsAndWithModelSetsProperties) {
  TTestStepTool tool;
  tool.SetName("Krok");
  tool.ApplyModel();
  EXPECT_EQ(Reports(), std::vector<std::string>{"Tool: Krok class: TTestStepTool Has no model!"});

  TToolModel* model = NewModel("Krok", "TTestStepTool", {{"Count", "12"}});
  model->SetDynamicTool(true);
  SetPropertyObject(&tool, "SelfModel", model);
  EXPECT_EQ(tool.SelfModel(), model);
  tool.ApplyModel();
  EXPECT_EQ(tool.Count(), 12);
  EXPECT_TRUE(tool.DynamicTool());

  tool.SetCount(34);
  tool.StoreToModel();
  auto* list = dynamic_cast<TEntity*>(model->FindElementByName("PROPERTIES"));
  EXPECT_EQ(list->GetElement(0)->GetPropertyText("Value"), "34");

  // A new self model replaces (frees) the previous one.
  TToolModel* second = NewModel("Krok2", "TTestStepTool");
  TElementRef first_ref(model);
  tool.SetSelfModel(second);
  EXPECT_FALSE(first_ref);
  EXPECT_EQ(tool.SelfModel(), second);
}

TEST_F(ToolsTest, PositionalParametersUseTheToolsParameterName) {
  TTool plain;
  SetPositionalParameter(plain, 0, "x");  // no parameter names: nothing happens
  auto* loader = static_cast<TTool*>(CreateElementByClassName("TLoad"));
  ASSERT_NE(loader, nullptr);
  SetPositionalParameter(*loader, 3, "model.klv");
  EXPECT_EQ(loader->GetPropertyText("FileName"), "model.klv");
  delete loader;
}

TEST_F(ToolsTest, SeqTechnologyChainsOutputs) {
  TOwnerEntity x, y, z, start;
  TSeqTechnology seq;
  std::vector<TTestStepTool*> tools;
  for (TElement* target : std::vector<TElement*>{&x, &y, &z}) {
    auto* tool = new TTestStepTool();
    tool->target = target;
    seq.AddTool(tool);
    tools.push_back(tool);
  }
  seq.SetInput(&start);
  seq.Execute();
  EXPECT_EQ(tools[0]->seen_input.Get(), &start);
  EXPECT_EQ(tools[2]->seen_input.Get(), &y);
  EXPECT_EQ(seq.Output(), &z);
  EXPECT_EQ(seq.GetActiveIndex(), 2);
  // Every tool shares the technology's parameters.
  EXPECT_EQ(tools[1]->GetParameters(), seq.GetParameters());
}

TEST_F(ToolsTest, ActiveIndexOutsideTheListIsMinusOne) {
  TSeqTechnology seq;
  for (int i = 0; i < 3; ++i) seq.AddTool(new TTestStepTool());
  seq.SetActiveIndex(5);
  EXPECT_EQ(seq.GetActiveIndex(), -1);
  EXPECT_EQ(seq.GetActiveTool(), nullptr);
  EXPECT_EQ(GetPropertyObject(&seq, "ActiveTool"), nullptr);
  seq.SetActiveIndex(1);
  EXPECT_EQ(seq.GetActiveTool(), seq.ToolAt(1));
  TTool stranger;
  seq.SetActiveTool(&stranger);
  EXPECT_EQ(seq.GetActiveIndex(), -1);
  // A technology never holds itself.
  seq.AddTool(&seq);
  EXPECT_EQ(seq.ToolCount(), 3);
}

TEST_F(ToolsTest, SelectTechnologyRunsElseToolOutOfRangeAndKeepsOutputWithNeither) {
  TOwnerEntity a, b, kept;
  TSelectTechnology select;
  auto* first = new TTestStepTool();
  first->target = &a;
  select.AddTool(first);
  select.SetOutput(&kept);
  select.SetSelIndex(3);
  select.Execute();
  EXPECT_EQ(select.Output(), &kept);
  EXPECT_EQ(first->runs, 0);

  auto* other = new TTestStepTool();
  other->target = &b;
  SetPropertyObject(&select, "ElseTool", other);
  EXPECT_GE(select.IndexOf(other), 0);
  select.Execute();
  EXPECT_EQ(select.Output(), &b);
  select.SetSelIndex(0);
  select.Execute();
  EXPECT_EQ(select.Output(), &a);
}

TEST_F(ToolsTest, NewToolByModelReportsBadClassesAndBuildsTools) {
  TTechnology technology;
  std::unique_ptr<TToolModel> unknown(NewModel("u", "TNoSuchClass"));
  std::unique_ptr<TToolModel> not_tool(NewModel("n", "TOwnerEntity"));
  std::unique_ptr<TToolModel> empty(NewModel("e", ""));
  EXPECT_EQ(technology.NewToolByModel(unknown.get()), nullptr);
  EXPECT_EQ(technology.NewToolByModel(not_tool.get()), nullptr);
  EXPECT_EQ(technology.NewToolByModel(empty.get()), nullptr);
  EXPECT_EQ(technology.NewToolByModel(nullptr), nullptr);
  EXPECT_EQ(Reports(), (std::vector<std::string>{"Unknown class: TNoSuchClass",
                                                 "Class: TOwnerEntity is not a Tool"}));

  TToolModel* model = NewModel("Prvni", "TTestStepTool", {{"Count", "7"}});
  model->SetAttachToPropertyName("ActiveTool");
  TOwnerEntity holder;
  holder.AddElement(model);
  TTool* tool = technology.NewToolByModel(model);
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->GetName(), "Prvni");
  EXPECT_EQ(static_cast<TTestStepTool*>(tool)->Count(), 7);
  EXPECT_EQ(tool->SelfModel(), model);
  EXPECT_EQ(technology.FindTool("prvni"), tool);
  EXPECT_EQ(technology.GetActiveTool(), tool);
}

TEST_F(ToolsTest, TechnologyCreatesSubToolsFromItsModel) {
  TToolModel* model = NewModel("Seq", "TSeqTechnology");
  model->ModelTools()->AddElement(NewModel("A", "TTestStepTool"));
  model->ModelTools()->AddElement(NewModel("B", "TTestStepTool"));
  TSeqTechnology seq;
  seq.SetSelfModel(model);
  seq.ApplyModel();
  EXPECT_EQ(seq.ToolCount(), 2);
  EXPECT_EQ(seq.ToolAt(1)->GetName(), "B");
  seq.FreeSubTools();
  EXPECT_EQ(seq.ToolCount(), 0);
}

TEST_F(ToolsTest, FinishedToolIsFreedByItsTechnology) {
  TSeqTechnology seq;
  auto* tool = new TTestStepTool();
  seq.AddTool(tool);
  TElementRef ref(tool);
  tool->Execute();
  tool->Finish();
  EXPECT_FALSE(tool->Running());
  queue_.Drain();
  EXPECT_FALSE(ref);
  EXPECT_EQ(seq.ToolCount(), 0);
}

TEST_F(ToolsTest, ProgressMessagesInOrderAndEndOnDestruction) {
  {
    TTool tool;
    tool.ReportProgress(5);  // not in progress: nothing
    tool.BeginProgress("Práce", 0, 10);
    EXPECT_TRUE(tool.InProgress());
    tool.ReportProgress(5);
    tool.ReportProgressText("polovina");
  }
  EXPECT_EQ(Codes(), (std::vector<int32_t>{10, 11, 13, 12}));
  EXPECT_GE(ui_.pending_events, 2);
}

}  // namespace
}  // namespace tarnik::framework
