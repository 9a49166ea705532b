// A small XML well-formedness checker for tests and fuzz targets: the prolog (declaration,
// processing instructions, comments, a DOCTYPE without internal subset), one root element,
// balanced tags, unique attributes, quoted values, references to the five predefined entities
// and to characters only, no control characters. Bytes of 0x80 and above count as name and text
// characters whatever the encoding. Answers the first fault with its 1-based line, or nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnik::testing {

std::optional<std::string> XmlWellFormednessError(std::string_view document);

}  // namespace tarnik::testing
