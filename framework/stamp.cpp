#include "framework/stamp.h"

#include <limits>

namespace tarnik::framework {
namespace {
int32_t g_stamp = -1;
}

int32_t NewTraversalStamp() {
  if (g_stamp <= std::numeric_limits<int32_t>::min() || g_stamp > -2) {
    g_stamp = -2;
  } else {
    --g_stamp;
  }
  return g_stamp;
}

int32_t CurrentTraversalStamp() { return g_stamp < -1 ? g_stamp : -2; }

}  // namespace tarnik::framework
