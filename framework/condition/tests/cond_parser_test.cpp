#include "framework/condition/cond_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnik::framework::condition {
namespace {

std::string Dump(const std::string& text) { return DumpExpr(*CompileExpression(text)); }

// Message and position of the syntax error of a text.
std::pair<std::string, int> ErrorOf(const std::string& text) {
  try {
    CompileExpression(text);
  } catch (const SyntaxExcept& e) {
    return {e.what(), e.Position()};
  }
  return {"", 0};
}

TEST(CondParser, PrecedenceAndGrouping) {
  EXPECT_EQ(Dump("1+2*3"), "(+ 1 (* 2 3))");
  EXPECT_EQ(Dump("10-2-3"), "(- (- 10 2) 3)");
  EXPECT_EQ(Dump("7 MOD 4+1"), "(MOD 7 (+ 4 1))");
  EXPECT_EQ(Dump("a=1 and b<2 OR c>3"), "(OR (AND (= A 1) (< B 2)) (> C 3))");
  EXPECT_EQ(Dump("NOT DRUH=5"), "(= (NOT DRUH) 5)");
  EXPECT_EQ(Dump("NOT (DRUH=5)"), "(NOT (= DRUH 5))");
  EXPECT_EQ(Dump("(Name='P0110.DBF')or(Name='p0110.dbf')"),
            "(OR (= NAME 'P0110.DBF') (= NAME 'p0110.dbf'))");
  // Operators inside strings and parentheses do not split.
  EXPECT_EQ(Dump("Name='a AND b=c'"), "(= NAME 'a AND b=c')");
  EXPECT_EQ(Dump("(1+2)*3"), "(* (+ 1 2) 3)");
}

TEST(CondParser, WholeWordsAndSigns) {
  // Digits and "_" are not letters: the OR in X_OR is an operator.
  EXPECT_EQ(ErrorOf("X_OR=1"), (std::pair<std::string, int>{"Ocekavam vyraz", 5}));
  EXPECT_EQ(Dump("ORDER=1"), "(= ORDER 1)");
  EXPECT_EQ(Dump("MODEL DIV 2"), "(DIV MODEL 2)");
  EXPECT_EQ(Dump("3 - -5"), "(- 3 -5)");
  EXPECT_EQ(Dump("-X"), "(- X)");
  EXPECT_EQ(Dump("2*-3"), "(* 2 -3)");
  EXPECT_EQ(Dump("+4"), "4");
  EXPECT_EQ(Dump("find=1"), "(= FIND 1)");  // keywords without an operator read properties
}

TEST(CondParser, Literals) {
  EXPECT_EQ(Dump("2.5"), "2.5f");
  EXPECT_EQ(Dump("3.0"), "3");
  EXPECT_EQ(Dump("'abc"), "'abc'");  // an unclosed string takes the rest
  EXPECT_EQ(Dump("-2147483648"), "-2147483648");
  // Literals that do not fit 32 bits become floats.
  EXPECT_EQ(Dump("2147483648"), "2147483648f");
  EXPECT_EQ(Dump("-2147483649"), "-2147483649f");
  EXPECT_EQ(Dump("CLASS(TPorost)"), "CLASS(TPorost)");
  EXPECT_EQ(Dump("ancestor(TElement) "), "ANCESTOR(TElement)");
  EXPECT_EQ(Dump("ROUND(2.5)"), "(ROUND 2.5f)");
}

TEST(CondParser, ErrorsWithPositions) {
  EXPECT_EQ(ErrorOf(""), (std::pair<std::string, int>{"Ocekavam vyraz", 1}));
  EXPECT_EQ(ErrorOf("   "), (std::pair<std::string, int>{"Ocekavam vyraz", 1}));
  EXPECT_EQ(ErrorOf("a<=b"), (std::pair<std::string, int>{"Ocekavam vyraz", 3}));
  EXPECT_EQ(ErrorOf("1+"), (std::pair<std::string, int>{"Ocekavam vyraz", 3}));
  EXPECT_EQ(ErrorOf("*2"), (std::pair<std::string, int>{"Ocekavam vyraz", 1}));
  EXPECT_EQ(ErrorOf("1.2.3"), (std::pair<std::string, int>{"Chybna hodnota", 1}));
  EXPECT_EQ(ErrorOf("(1"), (std::pair<std::string, int>{"Ocekavam: )", 3}));
  EXPECT_EQ(ErrorOf("ROUND 2"), (std::pair<std::string, int>{"Ocekavam: (", 6}));
  EXPECT_EQ(ErrorOf("ABS(1) x"), (std::pair<std::string, int>{"Chyba v syntaxi", 8}));
  EXPECT_EQ(ErrorOf("'a' b"), (std::pair<std::string, int>{"Chyba v syntaxi", 5}));
  EXPECT_EQ(ErrorOf("12 x"), (std::pair<std::string, int>{"Chyba v sytaxi", 4}));
  EXPECT_EQ(ErrorOf("AB CD"), (std::pair<std::string, int>{"Chyba v systaxi", 4}));
  EXPECT_EQ(ErrorOf("+'a'"), (std::pair<std::string, int>{"Vyraz nema smysl", 2}));
  EXPECT_EQ(ErrorOf("#"), (std::pair<std::string, int>{"Nesmyslny znak", 1}));
  // Positions in the right part are counted in the whole text, in characters.
  EXPECT_EQ(ErrorOf("1 + 2 * #"), (std::pair<std::string, int>{"Nesmyslny znak", 9}));
  EXPECT_EQ(ErrorOf("'čř'=#"), (std::pair<std::string, int>{"Nesmyslny znak", 6}));
}

TEST(CondParser, NestingIsLimited) {
  std::string deep(kMaxCondDepth + 10, '(');
  deep += "1";
  deep += std::string(kMaxCondDepth + 10, ')');
  EXPECT_EQ(ErrorOf(deep).first, "Vyraz je prilis slozity");

  std::string chain = "1";
  for (int i = 0; i < kMaxCondDepth + 5; ++i) chain += "+1";
  EXPECT_EQ(ErrorOf(chain).first, "Vyraz je prilis slozity");

  std::string fine(50, '(');
  fine += "1";
  fine += std::string(50, ')');
  EXPECT_EQ(Dump(fine), "1");
}

}  // namespace
}  // namespace tarnik::framework::condition
