#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/condition/cond_parser.h"
#include "framework/tools/selector.h"
#include "testing/tool_fixture.h"

namespace tarnik::framework {
namespace {

// Records the names of the processed elements; can change the tree or fail while processing.
class TTestWalker : public TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TTestWalker)
  bool QProcessBefore(TElement*) override { return true; }
  void Process(TElement* element) override {
    const std::string name = element->GetName();
    seen.push_back(name);
    if (name == fail_on) throw std::runtime_error("fail");
    if (name == grow_on) grow_into->AddElement(new TOwnerEntity());
    if (name == shrink_on) shrink_from->FreeAll();
  }
  std::vector<std::string> seen;
  std::string fail_on, grow_on, shrink_on;
  TEntity* grow_into = nullptr;
  TEntity* shrink_from = nullptr;
};
TARNIK_DEFINE_CLASS(TTestWalker, TRecursor, nullptr)

// Outputs its input when the input's name starts with "go".
class TTestGoTool : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TTestGoTool)
  void Execute() override {
    TTool::Execute();
    seen.push_back(Input()->GetName());
    if (Input()->GetName().rfind("go", 0) == 0) SetOutput(Input());
  }
  std::vector<std::string> seen;
};
TARNIK_DEFINE_CLASS(TTestGoTool, TTool, nullptr)

TOwnerEntity* Node(TEntity* parent, const std::string& name) {
  auto* e = new TOwnerEntity();
  e->SetName(name);
  if (parent) parent->AddElement(e);
  return e;
}

using Names = std::vector<std::string>;

Names NamesOf(TElement* output) {
  Names names;
  if (auto* e = dynamic_cast<TEntity*>(output)) {
    for (TElement* c : e->Children()) names.push_back(c->GetName());
  }
  return names;
}

class RecursorTest : public testing::ToolTest {
 protected:
  RecursorTest() {
    root_.SetName("root");
    a_ = Node(&root_, "a");
    Node(a_, "a1");
    b_ = Node(&root_, "b");
    Node(b_, "b1");
  }
  TOwnerEntity root_;
  TOwnerEntity* a_;
  TOwnerEntity* b_;
};

TEST_F(RecursorTest, WalksDepthFirstAndNotInsideProcessesOnlyTheInput) {
  TTestWalker walker;
  walker.SetInput(&root_);
  walker.Execute();
  EXPECT_EQ(walker.seen, (Names{"root", "a", "a1", "b", "b1"}));
  EXPECT_EQ(walker.Level(), 1);
  walker.seen.clear();
  walker.SetNotInside(true);
  walker.Execute();
  EXPECT_EQ(walker.seen, Names{"root"});
}

TEST_F(RecursorTest, ChildCountTakenOnceAndShrinkingListsEndTheLoop) {
  TTestWalker walker;
  walker.grow_on = "a";
  walker.grow_into = &root_;  // a child added during the walk is not visited
  walker.SetInput(&root_);
  walker.Execute();
  EXPECT_EQ(walker.seen, (Names{"root", "a", "a1", "b", "b1"}));

  TTestWalker shrinking;
  shrinking.shrink_on = "a1";
  shrinking.shrink_from = &root_;  // frees a (being walked) and b
  shrinking.SetInput(&root_);
  shrinking.Execute();
  EXPECT_EQ(shrinking.seen, (Names{"root", "a", "a1"}));
  EXPECT_EQ(root_.GetCount(), 0);
}

TEST_F(RecursorTest, CyclesEndAtEntitiesOnTheDescentPath) {
  a_->AddElement(&root_);  // root > a > root
  TTestWalker walker;
  walker.SetInput(&root_);
  walker.Execute();
  EXPECT_EQ(walker.seen, (Names{"root", "a", "a1", "b", "b1"}));
  a_->RemoveElement(&root_);
}

TEST_F(RecursorTest, FailureOnOneChildIsShownAndTheWalkGoesOn) {
  TTestWalker walker;
  walker.SetName("Chodec");
  walker.fail_on = "a";
  walker.SetInput(&root_);
  walker.Execute();
  EXPECT_EQ(walker.seen, (Names{"root", "a", "b", "b1"}));
  EXPECT_EQ(ui_.Messages(), Names{"chyba při načítaní elementu \"a\" recursorem \"Chodec\""});
}

TEST_F(RecursorTest, RecursorWithToolsLetsToolsDecide) {
  a_->SetName("go-a");
  TRecursorWithTools walker;
  TTestGoTool before, after, inside;
  walker.SetBeforeTool(&before);
  walker.SetAfterTool(&after);
  walker.SetQGoInsideTool(&inside);
  walker.SetInput(&root_);
  walker.Execute();
  // root is not a "go" entity: nothing below it is walked.
  EXPECT_EQ(before.seen, Names{"root"});
  root_.SetName("go-root");
  before.seen.clear();
  after.seen.clear();
  walker.Execute();
  EXPECT_EQ(before.seen, (Names{"go-root", "go-a", "a1", "b"}));
  EXPECT_EQ(after.seen, (Names{"a1", "go-a", "b", "go-root"}));
}

TEST_F(RecursorTest, AllSelectorCollectsMatchesCaseSensitively) {
  Node(b_, "P0110.DBF");
  Node(a_, "p0110.dbf");
  Node(a_, "P0110.Dbf");
  TAllSelector selector;
  selector.SetCondition("(Name='P0110.DBF')or(Name='p0110.dbf')");
  selector.SetInput(&root_);
  selector.Execute();
  ASSERT_NE(selector.Output(), nullptr);
  EXPECT_EQ(selector.Output()->GetName(), "Selected elements");
  EXPECT_EQ(NamesOf(selector.Output()), (Names{"p0110.dbf", "P0110.DBF"}));
  // The output is not cleared between runs.
  selector.Execute();
  EXPECT_EQ(NamesOf(selector.Output()).size(), 4u);
}

TEST_F(RecursorTest, EmptyConditionRaisesBeforeWalking) {
  TAllSelector selector;
  selector.SetCondition("   ");
  selector.SetInput(&root_);
  try {
    selector.Execute();
    FAIL();
  } catch (const SyntaxExcept& e) {
    EXPECT_STREQ(e.what(), "Ocekavam indentifikator");
    EXPECT_EQ(e.Position(), 1);
  }
}

TEST_F(RecursorTest, FirstSelectorTakesTopmostMatchesOfEachBranch) {
  a_->SetName("x");
  Node(a_, "x");  // child of a matching parent
  b_->SetName("x");
  TFirstSelector selector;
  selector.SetCondition("Name='x'");
  selector.SetInput(&root_);
  selector.Execute();
  EXPECT_EQ(NamesOf(selector.Output()), (Names{"x", "x"}));
  auto* out = dynamic_cast<TEntity*>(selector.Output());
  EXPECT_EQ(out->GetElement(0), a_);
  EXPECT_EQ(out->GetElement(1), b_);
}

TEST_F(RecursorTest, AbsFirstAndLevelSelectors) {
  Node(a_, "x");
  Node(b_, "x");
  TAbsFirstSelector first;
  first.SetCondition("Name='x'");
  first.SetInput(&root_);
  first.Execute();
  ASSERT_EQ(NamesOf(first.Output()).size(), 1u);
  EXPECT_EQ(dynamic_cast<TEntity*>(first.Output())->GetElement(0)->FindOwnerByName("a"), a_);

  TLevelSelector level;
  level.SetMaxlevel(1);
  level.SetCondition("ANCESTOR(TElement)");
  level.SetInput(&root_);
  level.Execute();
  // The root has no owner; its direct children are tested, grandchildren are not.
  EXPECT_EQ(NamesOf(level.Output()), (Names{"a", "b"}));
}

TEST_F(RecursorTest, SelectorNeverMakesItsOutputACycle) {
  TOwnerEntity* out = Node(&root_, "out");
  TAllSelector selector;
  selector.SetCondition("CLASS(TOwnerEntity)");
  selector.SetOutput(out);
  selector.SetInput(&root_);
  selector.Execute();
  Names names = NamesOf(out);
  EXPECT_EQ(std::count(names.begin(), names.end(), "out"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "root"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "a1"), 1);
}

}  // namespace
}  // namespace tarnik::framework
