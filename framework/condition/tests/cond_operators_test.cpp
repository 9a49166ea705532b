#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/condition/cond_creator.h"
#include "framework/framework_classes.h"
#include "framework/tools/tool_classes.h"
#include "framework/values/typed_values.h"

namespace tarnik::framework {
namespace {

using condition::MaybeValue;
using condition::ValueType;

// An element with published properties of several kinds and a text answer for "DRUH_TEXT".
class TCondSample : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TCondSample)
  int32_t druh = 3;
  uint8_t byte = 7;
  bool flag = true;
  double area = 1.5;
  std::string text = "abc";
  std::string GetPropertyText(std::string_view name) override {
    if (name == "DRUH_TEXT") return "110";
    return TOwnerEntity::GetPropertyText(name);
  }
};
void DefineCondSample(std::vector<TPropInfo>& out) {
  TPropDefs<TCondSample> d(out);
  d.Integer(
      "Druh", [](TCondSample& s) { return s.druh; }, [](TCondSample& s, int32_t v) { s.druh = v; });
  d.Byte(
      "Bajt", [](TCondSample& s) { return s.byte; }, nullptr);
  d.Boolean(
      "Flag", [](TCondSample& s) { return s.flag; }, nullptr);
  d.Float(
      "Plocha", [](TCondSample& s) { return s.area; }, nullptr);
  d.String(
      "Popis", [](TCondSample& s) { return s.text; }, nullptr);
}
TARNIK_DEFINE_CLASS(TCondSample, TOwnerEntity, DefineCondSample)

class CondOperatorsTest : public ::testing::Test {
 protected:
  CondOperatorsTest() {
    RegisterFrameworkClasses();
    RegisterToolClasses();
  }
  // The value of an expression evaluated against `element`.
  MaybeValue Eval(const std::string& text, TElement* element = nullptr) {
    TExpressionCreator creator;
    creator.SetCommand(text);
    creator.Execute();
    auto* tree = dynamic_cast<TOperator*>(creator.Output());
    EXPECT_NE(tree, nullptr);
    if (!tree) return std::nullopt;
    tree->SetContext(0, element);
    tree->Execute();
    return tree->Value();
  }
  bool Holds(const std::string& text, TElement* element) {
    std::unique_ptr<TCondition> condition(CompileCondition(text));
    condition->SetContext(0, element);
    return condition->Evaluate();
  }
  TCondSample sample_;
};

TEST_F(CondOperatorsTest, ArithmeticGroupsAndTypes) {
  MaybeValue v = Eval("1+2*3");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->type, ValueType::kInteger);
  EXPECT_EQ(v->i, 7);
  EXPECT_EQ(Eval("10-2-3")->i, 5);
  EXPECT_EQ(Eval("7 MOD 4+1")->i, 2);
  EXPECT_FALSE(Eval("5 DIV 0"));
  EXPECT_FALSE(Eval("5 MOD 0"));
  EXPECT_EQ(Eval("2.5")->type, ValueType::kFloat);
  EXPECT_EQ(Eval("3.0")->type, ValueType::kInteger);
}

TEST_F(CondOperatorsTest, IntegerOverflowBecomesFloat) {
  for (const char* text :
       {"2147483647+1", "-2147483647-2", "-2147483648 DIV -1", "-(-2147483648)",
        "ROUND(3000000000.5)", "TRUNC(-3000000000.5)", "99999999999", "65536*65536"}) {
    MaybeValue v = Eval(text);
    ASSERT_TRUE(v) << text;
    EXPECT_EQ(v->type, ValueType::kFloat) << text;
  }
  EXPECT_DOUBLE_EQ(Eval("-2147483648 DIV -1")->f, 2147483648.0);
  EXPECT_EQ(Eval("-2147483648")->i, INT32_MIN);
}

TEST_F(CondOperatorsTest, PropertiesReadByKindOrByText) {
  EXPECT_TRUE(Holds("NOT (DRUH=5)", &sample_));
  EXPECT_FALSE(Holds("NOT DRUH=5", &sample_));
  EXPECT_EQ(Eval("BAJT", &sample_)->type, ValueType::kByte);
  EXPECT_EQ(Eval("FLAG", &sample_)->type, ValueType::kBoolean);
  EXPECT_DOUBLE_EQ(Eval("PLOCHA", &sample_)->f, 1.5);
  EXPECT_EQ(Eval("POPIS", &sample_)->s, "abc");
  EXPECT_TRUE(Holds("DRUH_TEXT=110", &sample_));
  EXPECT_TRUE(Holds("Name='TCondSample'", &sample_));
  // Unknown names read as an empty text: no value.
  EXPECT_FALSE(Eval("NEZNAMA", &sample_));
}

TEST_F(CondOperatorsTest, ClassTestsAndMissingContext) {
  TOwnerEntity plain;
  EXPECT_TRUE(Holds("CLASS(tcondsample)", &sample_));
  EXPECT_FALSE(Holds("CLASS(TOwnerEntity)", &sample_));
  EXPECT_TRUE(Holds("ANCESTOR(TElement)", &plain));
  EXPECT_TRUE(Holds("EXISTSPROP(Plocha)", &sample_));
  EXPECT_FALSE(Holds("EXISTSPROP(Plocha)", &plain));
  // Without a context element nothing about it has a value.
  EXPECT_FALSE(Eval("DRUH"));
  EXPECT_FALSE(Eval("CLASS(TElement)"));
  EXPECT_FALSE(Holds("ANCESTOR(TElement)", nullptr));
}

TEST_F(CondOperatorsTest, ConditionsAreTrueOnlyForBooleanTrue) {
  EXPECT_FALSE(Holds("'abc'", &sample_));
  EXPECT_FALSE(Holds("DRUH", &sample_));
  EXPECT_TRUE(Holds("(DRUH=3) AND (POPIS='abc')", &sample_));
  // AND and OR do not evaluate a right side the left side decides.
  EXPECT_FALSE(Holds("(DRUH=4) AND (5 DIV 0 = 1)", &sample_));
  EXPECT_TRUE(Holds("(DRUH=3) OR (5 DIV 0 = 1)", &sample_));

  TCondCreator creator;
  creator.Execute();  // empty Command: a condition without operand, always false
  auto* empty = dynamic_cast<TCondition*>(creator.Output());
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->GetName(), "Condition");
  empty->SetContext(0, &sample_);
  empty->Execute();
  EXPECT_FALSE(empty->Result());

  std::unique_ptr<TCondition> druh(CompileCondition("DRUH=3"));
  druh->SetContext(0, &sample_);
  druh->Execute();
  auto* answer = dynamic_cast<TBooleanElement*>(druh->Output());
  ASSERT_NE(answer, nullptr);
  EXPECT_TRUE(answer->GetAsBoolean());
  TElementRef first(answer);
  druh->Execute();  // the previous answer is replaced, not leaked
  EXPECT_FALSE(first);
}

TEST_F(CondOperatorsTest, SyntaxErrorsLeaveNoOutputAndFreeNothingTwice) {
  TCondCreator creator;
  creator.SetCommand("DRUH=3");
  creator.Execute();
  TElementRef first(creator.Output());
  ASSERT_TRUE(first);
  creator.SetCommand("a<=b");
  EXPECT_THROW(creator.Execute(), SyntaxExcept);
  EXPECT_EQ(creator.Output(), nullptr);
  EXPECT_FALSE(first);  // the previous product was freed by the creator
}

TEST_F(CondOperatorsTest, OperatorTreeSharesOneContextList) {
  std::unique_ptr<TCondition> condition(CompileCondition("(DRUH+1)*2=8"));
  auto* rovno = dynamic_cast<TRovnoOperator*>(condition->GetOperand());
  ASSERT_NE(rovno, nullptr);
  auto* krat = dynamic_cast<TKratOperator*>(rovno->GetOperand());
  ASSERT_NE(krat, nullptr);
  EXPECT_EQ(krat->GetContextList(), condition->GetContextList());
  condition->SetContext(0, &sample_);
  EXPECT_EQ(krat->GetOperand()->GetOperand()->GetContext(0), &sample_);
  EXPECT_TRUE(condition->Evaluate());
  // Replacing an operand frees the previous one.
  TElementRef old(rovno->GetSecondOperand());
  auto* nine = new TConstOperator();
  nine->SetConstant(condition::Value::Integer(9));
  rovno->SetSecondOperand(nine);
  EXPECT_FALSE(old);
  EXPECT_FALSE(condition->Evaluate());
}

}  // namespace
}  // namespace tarnik::framework
