#include "forest/codelists/lcr_connection_source.h"

#include <utility>

namespace tarnik::plan {

SqlLcrCodeSource::SqlLcrCodeSource(std::shared_ptr<engine::SqlConnection> connection,
                                   engine::ConnectionParams params)
    : connection_(std::move(connection)), params_(std::move(params)) {}

engine::ConnectionParams SqlLcrCodeSource::DefaultParams() {
  engine::ConnectionParams params;
  params.alias = kLcrDatabase;
  return params;
}

std::optional<std::string> SqlLcrCodeSource::FirstValue(const std::string& sql,
                                                        const std::vector<engine::Value>& params,
                                                        const std::string& column) {
  if (!connection_) return std::nullopt;
  if (!connection_->IsConnected()) connection_->Connect(params_);
  std::unique_ptr<engine::SqlResult> result = connection_->Query(sql, params);
  if (!result->Next()) return std::nullopt;
  return result->AsString(column);
}

}  // namespace tarnik::plan
