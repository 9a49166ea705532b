#include "framework/condition/cond_parser.h"

#include <cmath>
#include <optional>

#include <fmt/format.h>

#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::framework::condition {
namespace {

constexpr char kExpectExpression[] = "Ocekavam vyraz";
constexpr char kBadValue[] = "Chybna hodnota";
constexpr char kTooDeep[] = "Vyraz je prilis slozity";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }
bool IsArithmetic(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

struct Keyword {
  const char* word;
  ExprKind kind;
  Op op;
};

// Words with an operator of their own; every other word reads a property.
constexpr Keyword kWords[] = {
    {"CLASS", ExprKind::kClassIs, Op::kPlus},
    {"ANCESTOR", ExprKind::kIsAncestor, Op::kPlus},
    {"EXISTSPROP", ExprKind::kPropExists, Op::kPlus},
    {"ROUND", ExprKind::kUnary, Op::kRound},
    {"TRUNC", ExprKind::kUnary, Op::kTrunc},
    {"COS", ExprKind::kUnary, Op::kCos},
    {"SIN", ExprKind::kUnary, Op::kSin},
    {"ARCTAN", ExprKind::kUnary, Op::kArcTan},
    {"EXP", ExprKind::kUnary, Op::kExp},
    {"FRAC", ExprKind::kUnary, Op::kFrac},
    {"LN", ExprKind::kUnary, Op::kLn},
    {"SQR", ExprKind::kUnary, Op::kSqr},
    {"SQRT", ExprKind::kUnary, Op::kSqrt},
    {"ABS", ExprKind::kUnary, Op::kAbs},
    {"NOT", ExprKind::kUnary, Op::kNot},
    {"TOBOOLEAN", ExprKind::kUnary, Op::kToBoolean},
    {"TOCHAR", ExprKind::kUnary, Op::kToChar},
    {"TOBYTE", ExprKind::kUnary, Op::kToByte},
    {"TOFLOAT", ExprKind::kUnary, Op::kToFloat},
    {"TOSTRING", ExprKind::kUnary, Op::kToString},
    {"TOINTEGER", ExprKind::kUnary, Op::kToInteger},
};

const Keyword* FindWord(const std::string& upper) {
  for (const Keyword& k : kWords) {
    if (upper == k.word) return &k;
  }
  return nullptr;
}

// The split operator of one text.
struct Split {
  size_t start = 0;
  size_t length = 0;
  Op op = Op::kPlus;
};

class Compiler {
 public:
  explicit Compiler(std::string_view full) : full_(full) {}

  // `text` is a view into full_.
  std::unique_ptr<Expr> Compile(std::string_view text, int depth) {
    if (depth > kMaxCondDepth) Fail(kTooDeep, Offset(text));
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    if (first == text.size()) Fail(kExpectExpression, Offset(text));

    if (std::optional<Split> split = FindSplit(text)) {
      if (split->start + split->length == text.size()) {
        Fail(kExpectExpression, Offset(text) + text.size());
      }
      if (split->start == 0) Fail(kExpectExpression, Offset(text));
      auto node = std::make_unique<Expr>();
      node->kind = ExprKind::kBinary;
      node->op = split->op;
      node->left = Compile(text.substr(0, split->start), depth + 1);
      node->right = Compile(text.substr(split->start + split->length), depth + 1);
      return node;
    }
    return CompileOperand(text, first, depth);
  }

  [[noreturn]] void Fail(const char* message, size_t byte_offset) const {
    const size_t clamped = std::min(byte_offset, full_.size());
    const size_t chars = platform::Utf8Length(full_.substr(0, clamped)) + (byte_offset - clamped);
    throw SyntaxExcept(message, static_cast<int>(chars) + 1);
  }

 private:
  size_t Offset(std::string_view part) const {
    return static_cast<size_t>(part.data() - full_.data());
  }

  // Index just past the "'" that closes a string opened at `open`, or the end of the text.
  static size_t SkipQuoted(std::string_view text, size_t open) {
    const size_t close = text.find('\'', open + 1);
    return close == std::string_view::npos ? text.size() : close + 1;
  }

  // Index of the ")" matching the "(" at `open`, or npos; quoted strings inside are skipped.
  static size_t MatchParen(std::string_view text, size_t open) {
    int level = 0;
    for (size_t i = open; i < text.size();) {
      const char c = text[i];
      if (c == '\'') {
        i = SkipQuoted(text, i);
        continue;
      }
      if (c == '(') ++level;
      if (c == ')' && --level == 0) return i;
      ++i;
    }
    return std::string_view::npos;
  }

  static bool WordAt(std::string_view text, size_t at, std::string_view word) {
    if (at + word.size() > text.size()) return false;
    for (size_t k = 0; k < word.size(); ++k) {
      char c = text[at + k];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (c != word[k]) return false;
    }
    if (at > 0 && IsLetter(text[at - 1])) return false;
    const size_t after = at + word.size();
    return after >= text.size() || !IsLetter(text[after]);
  }

  // The rightmost top-level operator of the loosest level that has one.
  static std::optional<Split> FindSplit(std::string_view text) {
    std::optional<Split> levels[5];
    bool operand_seen = false;
    for (size_t i = 0; i < text.size();) {
      const char c = text[i];
      if (c == '\'') {
        i = SkipQuoted(text, i);
        operand_seen = true;
        continue;
      }
      if (c == '(') {
        const size_t close = MatchParen(text, i);
        i = close == std::string_view::npos ? text.size() : close + 1;
        operand_seen = true;
        continue;
      }
      if (IsLetter(c)) {
        if (WordAt(text, i, "AND"))
          levels[0] = Split{i, 3, Op::kAnd};
        else if (WordAt(text, i, "OR"))
          levels[0] = Split{i, 2, Op::kOr};
        else if (WordAt(text, i, "MOD"))
          levels[2] = Split{i, 3, Op::kMod};
        else if (WordAt(text, i, "DIV"))
          levels[2] = Split{i, 3, Op::kDiv};
        // The rest of a word cannot start another one (a word needs a non-letter before it).
        while (i < text.size() && IsLetter(text[i])) ++i;
        operand_seen = true;
        continue;
      }
      switch (c) {
        case '<':
          levels[1] = Split{i, 1, Op::kMensi};
          break;
        case '=':
          levels[1] = Split{i, 1, Op::kRovno};
          break;
        case '>':
          levels[1] = Split{i, 1, Op::kVetsi};
          break;
        case '+':
        case '-':
          if (operand_seen) levels[3] = Split{i, 1, c == '+' ? Op::kPlus : Op::kMinus};
          break;
        case '*':
          levels[4] = Split{i, 1, Op::kKrat};
          break;
        case '/':
          levels[4] = Split{i, 1, Op::kDeleno};
          break;
        default:
          break;
      }
      if (IsArithmetic(c)) {
        operand_seen = false;
      } else if (!IsBlank(c)) {
        operand_seen = true;
      }
      ++i;
    }
    for (const auto& level : levels) {
      if (level) return level;
    }
    return std::nullopt;
  }

  // Only blanks may follow position `from`.
  void ExpectOnlyBlanks(std::string_view text, size_t from, const char* message) const {
    for (size_t i = from; i < text.size(); ++i) {
      if (!IsBlank(text[i])) Fail(message, Offset(text) + i);
    }
  }

  std::unique_ptr<Expr> Constant(Value value) {
    auto node = std::make_unique<Expr>();
    node->kind = ExprKind::kConst;
    node->value = std::move(value);
    return node;
  }

  // A number literal starting at `at` (a digit); `negative` when a "-" stood before it at
  // `sign_at`.
  std::unique_ptr<Expr> Number(std::string_view text, size_t at, bool negative, size_t sign_at) {
    size_t end = at;
    while (end < text.size() && (IsDigit(text[end]) || text[end] == '.')) ++end;
    const size_t error_at = Offset(text) + (negative ? sign_at : at);
    std::optional<double> parsed = platform::TextToFloatDot(text.substr(at, end - at));
    if (!parsed || !std::isfinite(*parsed)) Fail(kBadValue, error_at);
    ExpectOnlyBlanks(text, end, "Chyba v sytaxi");
    const double v = negative ? -*parsed : *parsed;
    if (v == std::trunc(v) && v >= -2147483648.0 && v <= 2147483647.0) {
      return Constant(Value::Integer(static_cast<int32_t>(v)));
    }
    return Constant(Value::Float(v));
  }

  // "+" or "-" at `at`: the operand after a sign.
  std::string_view AfterSign(std::string_view text, size_t at) const {
    std::string_view rest = text.substr(at + 1);
    bool blank = true;
    for (char c : rest) blank = blank && IsBlank(c);
    if (blank) Fail(kExpectExpression, Offset(text) + text.size());
    if (rest[0] == '\'') Fail("Vyraz nema smysl", Offset(text) + at + 1);
    return rest;
  }

  // The text inside "(...)" right after a function word ending at `after_word`.
  std::string_view Arguments(std::string_view text, size_t after_word, size_t* close) const {
    if (after_word >= text.size() || text[after_word] != '(') {
      Fail("Ocekavam: (", Offset(text) + after_word);
    }
    *close = MatchParen(text, after_word);
    if (*close == std::string_view::npos) Fail("Ocekavam: )", Offset(text) + text.size());
    ExpectOnlyBlanks(text, *close + 1, "Chyba v syntaxi");
    return text.substr(after_word + 1, *close - after_word - 1);
  }

  std::unique_ptr<Expr> CompileOperand(std::string_view text, size_t p, int depth) {
    const char c = text[p];
    if (c == '\'') {
      const size_t close = text.find('\'', p + 1);
      if (close == std::string_view::npos) {
        return Constant(Value::String(std::string(text.substr(p + 1))));
      }
      ExpectOnlyBlanks(text, close + 1, "Chyba v syntaxi");
      return Constant(Value::String(std::string(text.substr(p + 1, close - p - 1))));
    }
    if (c == '(') {
      const size_t close = MatchParen(text, p);
      if (close == std::string_view::npos) Fail("Ocekavam: )", Offset(text) + text.size());
      return Compile(text.substr(p + 1, close - p - 1), depth + 1);
    }
    if (c == '+') return Compile(AfterSign(text, p), depth + 1);
    if (c == '-') {
      std::string_view rest = AfterSign(text, p);
      if (IsDigit(rest[0])) return Number(text, p + 1, true, p);
      auto node = std::make_unique<Expr>();
      node->kind = ExprKind::kUnary;
      node->op = Op::kUnMinus;
      node->left = Compile(rest, depth + 1);
      return node;
    }
    if (IsDigit(c)) return Number(text, p, false, p);
    if (IsLetter(c) || c == '_') {
      size_t end = p;
      while (end < text.size() && IsWordChar(text[end])) ++end;
      const std::string word = platform::UpperAscii(text.substr(p, end - p));
      const Keyword* keyword = FindWord(word);
      if (keyword == nullptr) {
        ExpectOnlyBlanks(text, end, "Chyba v systaxi");
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::kRead;
        node->name = word;
        return node;
      }
      auto node = std::make_unique<Expr>();
      node->kind = keyword->kind;
      node->op = keyword->op;
      if (keyword->op == Op::kNot && keyword->kind == ExprKind::kUnary) {
        node->left = Compile(text.substr(end), depth + 1);
        return node;
      }
      size_t close = 0;
      std::string_view inside = Arguments(text, end, &close);
      if (keyword->kind == ExprKind::kUnary) {
        node->left = Compile(inside, depth + 1);
      } else {
        node->name = std::string(inside);
      }
      return node;
    }
    Fail("Nesmyslny znak", Offset(text) + p);
  }

  std::string_view full_;
};

}  // namespace

std::unique_ptr<Expr> CompileExpression(std::string_view text) {
  Compiler compiler(text);
  return compiler.Compile(text, 0);
}

const char* OpKeyword(Op op) {
  switch (op) {
    case Op::kAbs:
      return "ABS";
    case Op::kRound:
      return "ROUND";
    case Op::kTrunc:
      return "TRUNC";
    case Op::kCos:
      return "COS";
    case Op::kSin:
      return "SIN";
    case Op::kArcTan:
      return "ARCTAN";
    case Op::kExp:
      return "EXP";
    case Op::kFrac:
      return "FRAC";
    case Op::kLn:
      return "LN";
    case Op::kSqr:
      return "SQR";
    case Op::kSqrt:
      return "SQRT";
    case Op::kToBoolean:
      return "TOBOOLEAN";
    case Op::kToChar:
      return "TOCHAR";
    case Op::kToByte:
      return "TOBYTE";
    case Op::kToFloat:
      return "TOFLOAT";
    case Op::kToString:
      return "TOSTRING";
    case Op::kToInteger:
      return "TOINTEGER";
    case Op::kUnMinus:
      return "-";
    case Op::kNot:
      return "NOT";
    case Op::kPlus:
      return "+";
    case Op::kMinus:
      return "-";
    case Op::kKrat:
      return "*";
    case Op::kDeleno:
      return "/";
    case Op::kMod:
      return "MOD";
    case Op::kDiv:
      return "DIV";
    case Op::kAnd:
      return "AND";
    case Op::kOr:
      return "OR";
    case Op::kVetsi:
      return ">";
    case Op::kMensi:
      return "<";
    case Op::kRovno:
      return "=";
  }
  return "?";
}

std::string DumpExpr(const Expr& expr) {
  switch (expr.kind) {
    case ExprKind::kConst:
      if (expr.value.type == ValueType::kString) return "'" + expr.value.s + "'";
      if (expr.value.type == ValueType::kFloat) return fmt::format("{}f", expr.value.f);
      return expr.value.AsString();
    case ExprKind::kRead:
      return expr.name;
    case ExprKind::kClassIs:
      return "CLASS(" + expr.name + ")";
    case ExprKind::kIsAncestor:
      return "ANCESTOR(" + expr.name + ")";
    case ExprKind::kPropExists:
      return "EXISTSPROP(" + expr.name + ")";
    case ExprKind::kUnary:
      return fmt::format("({} {})", OpKeyword(expr.op), DumpExpr(*expr.left));
    case ExprKind::kBinary:
      return fmt::format("({} {} {})", OpKeyword(expr.op), DumpExpr(*expr.left),
                         DumpExpr(*expr.right));
  }
  return {};
}

}  // namespace tarnik::framework::condition
