#include "data/engine/sql_connection.h"

#include <cmath>

#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::engine {

std::vector<std::string> ConnectionParams::ToParameters() const {
  return {"SQLPASSTHRU MODE=SHARED NOAUTOCOMMIT", "USER NAME=" + user, "PASSWORD=" + password};
}

int SqlResult::ColumnIndex(const std::string& name) const {
  for (int i = 0; i < ColumnCount(); ++i) {
    if (platform::SameTextCz(ColumnName(i), name)) return i;
  }
  return -1;
}

Value SqlResult::Get(const std::string& name) const {
  int i = ColumnIndex(name);
  return i < 0 ? Value() : Column(i);
}

std::string SqlResult::AsString(const std::string& name) const {
  Value v = Get(name);
  if (v.is_text()) return v.text();
  if (v.is_integer()) return std::to_string(v.integer());
  if (v.is_real()) return platform::FloatToText(v.real());
  if (v.is_bytes()) return v.bytes().data;
  if (v.is_timestamp()) return v.timestamp().IsoText();
  return "";
}

int64_t SqlResult::AsInteger(const std::string& name) const {
  Value v = Get(name);
  if (v.is_integer()) return v.integer();
  if (v.is_real() && std::isfinite(v.real())) return std::llround(v.real());
  if (v.is_text()) {
    if (auto i = platform::TextToInt64(v.text())) return *i;
    if (auto f = platform::TextToFloat(v.text()); f && std::isfinite(*f)) return std::llround(*f);
  }
  return 0;
}

double SqlResult::AsFloat(const std::string& name) const {
  Value v = Get(name);
  if (v.is_number()) return v.number();
  if (v.is_text()) return platform::TextToFloat(v.text()).value_or(0.0);
  return 0.0;
}

}  // namespace tarnik::engine
