#include "data/engine/value.h"

#include <fmt/format.h>

#include "platform/text.h"

namespace tarnik::engine {

double Value::number() const {
  if (is_integer()) return static_cast<double>(integer());
  if (is_real()) return real();
  return 0.0;
}

std::string Timestamp::IsoText() const {
  std::string text = fmt::format("{:04}-{:02}-{:02}", year, month, day);
  if (hour != 0 || minute != 0 || second != 0)
    text += fmt::format(" {:02}:{:02}:{:02}", hour, minute, second);
  return text;
}

namespace {
int Rank(const Value& v) {
  if (v.is_null()) return 0;
  if (v.is_number()) return 1;
  if (v.is_text()) return 2;
  if (v.is_bytes()) return 3;
  return 4;
}
}  // namespace

int CompareValues(const Value& a, const Value& b) {
  int ra = Rank(a), rb = Rank(b);
  if (ra != rb) return ra < rb ? -1 : 1;
  switch (ra) {
    case 0:
      return 0;
    case 1:
      if (a.is_integer() && b.is_integer()) {
        return a.integer() < b.integer() ? -1 : (a.integer() > b.integer() ? 1 : 0);
      } else {
        double x = a.number(), y = b.number();
        return x < y ? -1 : (x > y ? 1 : 0);
      }
    case 2:
      return platform::CollateCz(a.text(), b.text());
    case 4:
      return a.timestamp() < b.timestamp() ? -1 : (a.timestamp() == b.timestamp() ? 0 : 1);
    default:
      return a.bytes().data.compare(b.bytes().data) < 0
                 ? -1
                 : (a.bytes().data == b.bytes().data ? 0 : 1);
  }
}

}  // namespace tarnik::engine
