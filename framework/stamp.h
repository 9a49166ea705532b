// The process-wide traversal stamp for whole-graph walks. Stamps strictly decrease, are always
// below -1 (so they never equal a fresh element's ID -1 or an element number >= 0) and never
// repeat an earlier stamp until 2^31 stamps have been taken. Single-threaded use only.
#pragma once

#include <cstdint>

namespace tarnik::framework {

// Takes a new stamp and makes it current.
int32_t NewTraversalStamp();
// The current stamp (-2 before the first one is taken).
int32_t CurrentTraversalStamp();

}  // namespace tarnik::framework
