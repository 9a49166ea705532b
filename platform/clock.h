// Today's date, from the system clock unless a test has set another one. The setting is
// process-wide and not thread-safe; ScopedToday restores the previous one when it goes.
#pragma once

#include <optional>

#include "platform/numtext.h"

namespace tarnik::platform {

// The local calendar date (or the one set).
Date Today();
// Sets the date Today answers; nullopt returns to the system clock. Answers the previous setting.
std::optional<Date> SetToday(std::optional<Date> date);

class ScopedToday {
 public:
  explicit ScopedToday(Date date) : previous_(SetToday(date)) {}
  ~ScopedToday() { SetToday(previous_); }
  ScopedToday(const ScopedToday&) = delete;
  ScopedToday& operator=(const ScopedToday&) = delete;

 private:
  std::optional<Date> previous_;
};

}  // namespace tarnik::platform
