// Reads every published property of every element below a root as text, the way a script or
// the window's property list would. The elements are those of the tree as it stands before the
// first read: a getter may create elements (a child set, the current element of an empty set),
// and those are not walked, or the reads would grow the tree without end. An element freed by
// a read is passed over. Answers the count of properties read; a getter that throws a
// std::exception is passed over.
#pragma once

#include <cstddef>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::fuzzing {

size_t ReadEveryProperty(framework::TElement& root);

}  // namespace tarnik::fuzzing
