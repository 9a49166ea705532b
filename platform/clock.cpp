#include "platform/clock.h"

#include <ctime>

namespace tarnik::platform {
namespace {

std::optional<Date>& SetDate() {
  static std::optional<Date> date;
  return date;
}

}  // namespace

Date Today() {
  if (SetDate()) return *SetDate();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::optional<Date> SetToday(std::optional<Date> date) {
  std::optional<Date> previous = SetDate();
  SetDate() = date;
  return previous;
}

}  // namespace tarnik::platform
