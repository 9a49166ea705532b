// Converts the Paradox tables of a directory (every "*.DB", any case) into the directory's
// tables.sqlite: column names, types and widths as the Paradox fields declare them, the primary
// index from the leading key fields, and the secondary indexes the schema names for a known
// table. Each table converts in one transaction, so a failing table leaves nothing half written.
// The Paradox files, their indexes and lock files are only read, never changed or deleted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnik::engine {

struct ParadoxConvertOptions {
  bool replace = false;  // replace tables that tables.sqlite already holds (else they are kept)
};

struct ConvertedTable {
  std::string file;   // the Paradox file name ("PS.DB")
  std::string table;  // the table written ("PS")
  int64_t rows = 0;
  enum class Outcome { kConverted, kKept, kFailed } outcome = Outcome::kConverted;
  std::string message;  // Czech: why it was kept or failed
};

struct ParadoxConversion {
  std::vector<ConvertedTable> tables;
  bool ok() const;  // no table failed
};

// Throws EngineError when the directory does not exist or tables.sqlite cannot be opened.
ParadoxConversion ConvertParadoxDirectory(const std::string& directory,
                                          const ParadoxConvertOptions& options = {});

}  // namespace tarnik::engine
