// Whether a text (UTF-8) may stand as an element or attribute name in the documents written:
// an XML name without a colon (so no namespace prefix is implied). Invalid UTF-8 is no name.
#pragma once

#include <string_view>

namespace tarnik::islh {

bool IsXmlName(std::string_view utf8);

}  // namespace tarnik::islh
