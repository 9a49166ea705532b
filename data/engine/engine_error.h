// The one failure type of the database engine layer. Every failing engine operation throws it
// with a Czech message text; callers catch it per record or per table at their own edges.
#pragma once

#include <stdexcept>
#include <string>

namespace tarnik::engine {

class EngineError : public std::runtime_error {
 public:
  explicit EngineError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tarnik::engine
