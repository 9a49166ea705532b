// The description file "INFO.TXT" of a block: NAME=VALUE lines, names compared without regard
// to case, the first line of a name counting. Two keys are used: "CODEPAGE" (the code page of
// the block's texts) and "OPSANYOBDELNIKBLOKU" (the block's rectangle in file coordinates,
// min X, min Y, max X, max Y). Lines are read with bounded length; a file that cannot be read
// gives no values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gis/code_pages.h"
#include "spatial/geometry.h"

namespace tarnik::gis {

inline constexpr const char* kInfoFileName = "INFO.TXT";

struct BlockInfoValues {
  std::optional<std::string> code_page;
  std::optional<std::string> rectangle;
};

// The values of the two keys in the block directory's "INFO.TXT" (found without regard to the
// case of its name); both empty when the file is missing or unreadable.
BlockInfoValues ReadBlockInfoValues(const std::string& block_directory);

// "1" or "867" cpKamenickych, "2" or "852" cpLatin2, "1250" cpWindows (blanks around ignored);
// anything else, and no value, cpIBM.
TCodePage CodePageFromInfoValue(const std::optional<std::string>& value);

// The rectangle in model coordinates (both axes negated: min X = -max X of the file ...), or
// none: the value is scanned for four numbers (runs of "+", "-", "." and digits, other
// characters skipped; a run that is no number, or the end, makes it and the later numbers 0);
// the block has a rectangle when the first or the third number is not 0.
std::optional<spatial::Bounds> RectangleFromInfoValue(const std::optional<std::string>& value);

}  // namespace tarnik::gis
