// Names of codes from the unit's code lists, as the hierarchy's "_nazev" properties read them:
// the element's code-list container (its Ciselnik lookup) answers the description of the code in
// the named list. Without a container the answer is the no-table marker "*zz1*" + code, like a
// list that cannot be opened. Never throws.
#pragma once

#include <string>

namespace tarnik::plan {

class TObecnyLesniPrvek;

std::string NazevZCiselniku(TObecnyLesniPrvek& element, const std::string& list,
                            const std::string& code, const std::string& key_column = "Kod",
                            const std::string& result_column = "POPIS");

}  // namespace tarnik::plan
