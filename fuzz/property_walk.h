// Reads every published property of every element below a root as text, the way a script or
// the window's property list would: each element once, its properties before its children
// (reading may create a child set, so the children are taken afterwards). Answers the count of
// properties read. A getter that throws a std::exception is passed over.
#pragma once

#include <cstddef>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::fuzzing {

size_t ReadEveryProperty(framework::TElement& root);

}  // namespace tarnik::fuzzing
