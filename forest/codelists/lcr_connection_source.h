// The LČR code-list source over an SQL connection: runs each lookup on the "LCR_ORAC" server
// database and answers a column of the first row. The connection is shared with its other users
// and connected on first use when it is not connected yet. Failures of the connection throw
// (LcrCodeSource's callers turn them into the "-" + code + "-" answer).
#pragma once

#include <memory>

#include "data/engine/sql_connection.h"
#include "forest/codelists/lcr_lookup.h"

namespace tarnik::plan {

// The server database of the LČR code lists.
inline constexpr const char* kLcrDatabase = "LCR_ORAC";

class SqlLcrCodeSource : public LcrCodeSource {
 public:
  explicit SqlLcrCodeSource(std::shared_ptr<engine::SqlConnection> connection,
                            engine::ConnectionParams params = DefaultParams());

  std::optional<std::string> FirstValue(const std::string& sql,
                                        const std::vector<engine::Value>& params,
                                        const std::string& column) override;

  static engine::ConnectionParams DefaultParams();

 private:
  std::shared_ptr<engine::SqlConnection> connection_;
  engine::ConnectionParams params_;
};

}  // namespace tarnik::plan
