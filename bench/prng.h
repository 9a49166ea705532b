// A small deterministic pseudo-random generator (SplitMix64) with the few draws the unit generator
// needs. Its sequence depends only on the seed, never on the standard library, so a seed names
// the same unit on every machine and compiler.
#pragma once

#include <cstdint>
#include <vector>

namespace tarnik::bench {

class Prng {
 public:
  explicit Prng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi]; lo <= hi.
  int64_t Between(int64_t lo, int64_t hi) {
    return lo + static_cast<int64_t>(Next() % static_cast<uint64_t>(hi - lo + 1));
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  bool Chance(double p) { return Unit() < p; }
  // An index drawn by the weights (all >= 0, at least one > 0).
  size_t Weighted(const std::vector<int>& weights) {
    int64_t total = 0;
    for (int w : weights) total += w;
    int64_t pick = Between(0, total - 1);
    for (size_t i = 0; i < weights.size(); ++i) {
      if (pick < weights[i]) return i;
      pick -= weights[i];
    }
    return weights.size() - 1;
  }

 private:
  uint64_t state_;
};

}  // namespace tarnik::bench
