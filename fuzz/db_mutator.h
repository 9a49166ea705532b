// Random damage to a copy of a planning database (a tables.sqlite file), as a foreign or broken
// program might leave it: values of another kind in any column (SQLite keeps whatever is written),
// NULL, huge and malformed texts, extreme numbers, links (VAZBA) pointing nowhere, at their own
// row or in a cycle, duplicate and deleted rows, dropped or retyped columns and tables. The same
// seed gives the same mutations of the same file on every platform. Failures of a single
// mutation (a constraint, a missing row) are skipped; only a file that cannot be opened throws
// std::runtime_error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnik::fuzzing {

// splitmix64: small, fast and the same everywhere (the standard distributions are not).
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in [0, n); 0 when n is 0.
  uint64_t Below(uint64_t n);
  bool Percent(int p) { return Below(100) < static_cast<uint64_t>(p); }

 private:
  uint64_t state_;
};

// Applies `count` mutations to the database file and answers one line per mutation applied
// ("ETAZ.VEK row 3 = text 'abc'").
std::vector<std::string> MutateDatabase(const std::string& file, Rng& rng, int count);

// Damages the file itself, as a broken disk or copy leaves it: a few bytes overwritten, the file
// cut short or emptied, or the file gone. Answers what was done.
std::string DamageFile(const std::string& file, Rng& rng);

}  // namespace tarnik::fuzzing
