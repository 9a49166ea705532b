// The unit's code lists from the exchange files: a code-list file (Cis_051.FST ...) into a set
// of code elements, and the owner file Maj.FST (in the data layout) into the owner set. Each data
// line makes a new element keyed by its line number; a column fills the element's published
// property of the same name (for owners the name + "_C"), converted from code page 852. A file
// that cannot be read adds nothing; what is passed over is reported by the readers. Never throw.
#pragma once

#include <string>

namespace tarnik::plan {

class TLesniMnozina;

void NaplnSeznamZFST(const std::string& file, TLesniMnozina& set);
void NaplnMajetkyZFST(const std::string& file, TLesniMnozina& owners);

}  // namespace tarnik::plan
