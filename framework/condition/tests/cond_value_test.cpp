#include "framework/condition/cond_eval.h"

#include <gtest/gtest.h>

#include <map>

namespace tarnik::framework::condition {
namespace {

// A context element with a class chain and properties answered as texts.
class FakeContext : public EvalContext {
 public:
  bool has_element = true;
  std::vector<std::string> classes = {"TPorost", "TOwnerEntity", "TElement"};
  std::map<std::string, std::string> texts;

  bool HasElement() const override { return has_element; }
  bool ClassIs(const std::string& name) const override { return Same(classes[0], name); }
  bool IsAncestor(const std::string& name) const override {
    for (const auto& c : classes) {
      if (Same(c, name)) return true;
    }
    return false;
  }
  bool PublishesProperty(const std::string& name) const override { return texts.count(name) != 0; }
  MaybeValue ReadProperty(const std::string& name) const override {
    auto it = texts.find(name);
    return it == texts.end() ? std::nullopt : ValueFromText(it->second);
  }

 private:
  static bool Same(std::string a, std::string b) {
    for (auto& c : a) c = static_cast<char>(toupper(c));
    for (auto& c : b) c = static_cast<char>(toupper(c));
    return a == b;
  }
};

MaybeValue Eval(const std::string& text, const FakeContext& context = FakeContext()) {
  return Evaluate(*CompileExpression(text), context);
}

void ExpectInteger(const MaybeValue& v, int32_t expected) {
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->type, ValueType::kInteger);
  EXPECT_EQ(v->i, expected);
}

void ExpectFloat(const MaybeValue& v, double expected) {
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->type, ValueType::kFloat);
  EXPECT_DOUBLE_EQ(v->f, expected);
}

void ExpectBoolean(const MaybeValue& v, bool expected) {
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(v->type, ValueType::kBoolean);
  EXPECT_EQ(v->b, expected);
}

TEST(CondEval, Arithmetic) {
  ExpectInteger(Eval("1+2*3"), 7);
  ExpectInteger(Eval("10-2-3"), 5);
  ExpectInteger(Eval("7 MOD 4+1"), 2);
  ExpectInteger(Eval("-7 DIV 2"), -3);
  ExpectInteger(Eval("-7 MOD 2"), -1);
  ExpectFloat(Eval("1/4"), 0.25);
  ExpectFloat(Eval("1+0.5"), 1.5);
  ExpectInteger(Eval("ROUND(2.5)"), 2);
  ExpectInteger(Eval("ROUND(3.5)"), 4);
  ExpectInteger(Eval("TRUNC(-2.7)"), -2);
  EXPECT_FALSE(Eval("5 DIV 0").has_value());
  EXPECT_FALSE(Eval("5 MOD 0").has_value());
  EXPECT_FALSE(Eval("5 / 0").has_value());
  EXPECT_FALSE(Eval("LN(0)").has_value());
  EXPECT_FALSE(Eval("SQRT(-1)").has_value());
  ExpectFloat(Eval("SQRT(4)"), 2.0);
  ExpectFloat(Eval("FRAC(-2.25)"), -0.25);
  ExpectFloat(Eval("SQR(3)"), 9.0);
}

TEST(CondEval, IntegerOverflowBecomesFloat) {
  ExpectFloat(Eval("2147483647+1"), 2147483648.0);
  ExpectFloat(Eval("-2147483648-1"), -2147483649.0);
  ExpectFloat(Eval("-(-2147483648)"), 2147483648.0);
  ExpectFloat(Eval("65536*65536"), 4294967296.0);
  ExpectFloat(Eval("-2147483648 DIV -1"), 2147483648.0);
  ExpectInteger(Eval("-2147483648 MOD -1"), 0);
  ExpectFloat(Eval("ABS(-2147483648)"), 2147483648.0);
}

TEST(CondEval, RoundOutOfRangeStaysFloat) {
  ExpectFloat(Eval("ROUND(3000000000.4)"), 3000000000.0);
  ExpectFloat(Eval("TRUNC(-3000000000.9)"), -3000000000.0);
  ExpectInteger(Eval("TOINTEGER(3000000000.5)"), 0);
}

TEST(CondEval, ComparisonsAndLogic) {
  FakeContext ctx;
  ctx.texts["DRUH"] = "3";
  ctx.texts["NAME"] = "P0110.DBF";
  ExpectBoolean(Eval("NOT (DRUH=5)", ctx), true);
  EXPECT_FALSE(Eval("NOT DRUH=5", ctx).has_value());
  ExpectBoolean(Eval("(Name='P0110.DBF')or(Name='p0110.dbf')", ctx), true);
  ctx.texts["NAME"] = "P0110.Dbf";
  ExpectBoolean(Eval("(Name='P0110.DBF')or(Name='p0110.dbf')", ctx), false);
  ExpectBoolean(Eval("'abc'<'abd'"), true);
  ExpectBoolean(Eval("2.0=2"), true);
  EXPECT_FALSE(Eval("'2'=2").has_value());
  EXPECT_FALSE(Eval("(1=1)>(1=2)").has_value());  // booleans have no order
  ExpectBoolean(Eval("(1=1)=(2=2)"), true);
  // AND/OR do not evaluate the right side when the left decides, so its missing value is harmless.
  ExpectBoolean(Eval("(1=2) AND (5 DIV 0=1)"), false);
  ExpectBoolean(Eval("(1=1) OR (5 DIV 0=1)"), true);
  EXPECT_FALSE(Eval("(1=1) AND (5 DIV 0=1)").has_value());
  // The right side is read by its boolean reading.
  ExpectBoolean(Eval("(1=1) AND 2"), true);
  ExpectBoolean(Eval("(1=1) AND 'ano'"), true);
  ExpectBoolean(Eval("(1=1) AND 2.5"), false);
  EXPECT_FALSE(Eval("1 AND (1=1)").has_value());
}

TEST(CondEval, Strings) {
  auto v = Eval("'ab'+'cd'");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->s, "abcd");
  EXPECT_FALSE(Eval("'ab'+1").has_value());
  v = Eval("TOSTRING(1.5)");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->s, " 1.50000000000000E+0000");
  v = Eval("TOSTRING(-0.001)");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->s, "-1.00000000000000E-0003");
  ExpectInteger(Eval("TOINTEGER('42')"), 42);
  ExpectInteger(Eval("TOINTEGER('4x')"), 0);
  v = Eval("TOBYTE(300)");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->byte, 44);
  EXPECT_FALSE(Eval("TOBOOLEAN('true')").has_value());
}

TEST(CondEval, ContextTests) {
  FakeContext ctx;
  ctx.texts["DRUH"] = "110";
  ctx.texts["PLOCHA"] = "1,5";
  ExpectBoolean(Eval("CLASS(tporost)", ctx), true);
  ExpectBoolean(Eval("CLASS(TElement)", ctx), false);
  ExpectBoolean(Eval("ANCESTOR(TElement)", ctx), true);
  ExpectBoolean(Eval("EXISTSPROP(DRUH)", ctx), true);
  ExpectBoolean(Eval("EXISTSPROP()", ctx), false);
  ExpectBoolean(Eval("DRUH=110", ctx), true);
  ExpectFloat(Eval("PLOCHA", ctx), 1.5);
  EXPECT_FALSE(Eval("NEZNAMA", ctx).has_value());
  // Without a context element nothing about it has a value.
  ctx.has_element = false;
  EXPECT_FALSE(Eval("DRUH=110", ctx).has_value());
  EXPECT_FALSE(Eval("CLASS(TPorost)", ctx).has_value());
  EXPECT_FALSE(Eval("ANCESTOR(TElement)", ctx).has_value());
}

}  // namespace
}  // namespace tarnik::framework::condition
