// A single column value as it travels between the engine and its callers: null, integer, real,
// text (UTF-8), bytes or a timestamp (the dates of a server database; the file tables keep dates
// as ISO text). Values are plain copies; nothing refers back into a database.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace tarnik::engine {

struct Bytes {
  std::string data;
  bool operator==(const Bytes&) const = default;
};

struct Timestamp {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  auto operator<=>(const Timestamp&) const = default;
  // "YYYY-MM-DD", with " HH:MM:SS" when the time is not midnight.
  std::string IsoText() const;
};

class Value {
 public:
  Value() = default;
  Value(std::nullptr_t) {}
  Value(int v) : v_(static_cast<int64_t>(v)) {}
  Value(int64_t v) : v_(v) {}
  Value(double v) : v_(v) {}
  Value(bool v) : v_(static_cast<int64_t>(v ? 1 : 0)) {}
  Value(std::string v) : v_(std::move(v)) {}
  Value(const char* v) : v_(std::string(v)) {}
  Value(Bytes v) : v_(std::move(v)) {}
  Value(Timestamp v) : v_(v) {}

  bool is_null() const { return std::holds_alternative<std::monostate>(v_); }
  bool is_integer() const { return std::holds_alternative<int64_t>(v_); }
  bool is_real() const { return std::holds_alternative<double>(v_); }
  bool is_number() const { return is_integer() || is_real(); }
  bool is_text() const { return std::holds_alternative<std::string>(v_); }
  bool is_bytes() const { return std::holds_alternative<Bytes>(v_); }
  bool is_timestamp() const { return std::holds_alternative<Timestamp>(v_); }

  int64_t integer() const { return std::get<int64_t>(v_); }
  double real() const { return std::get<double>(v_); }
  // The number as a double (integer or real); 0 for other kinds.
  double number() const;
  const std::string& text() const { return std::get<std::string>(v_); }
  const Bytes& bytes() const { return std::get<Bytes>(v_); }
  const Timestamp& timestamp() const { return std::get<Timestamp>(v_); }

  bool operator==(const Value&) const = default;

 private:
  std::variant<std::monostate, int64_t, double, std::string, Bytes, Timestamp> v_;
};

// Index order of two values: null lowest, then numbers (compared numerically), then texts in
// the Czech collation, then bytes, then timestamps. Returns <0, 0, >0.
int CompareValues(const Value& a, const Value& b);

}  // namespace tarnik::engine
