// The names of old plan part files: "<unit>.<two-digit part>V". Pure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarnik::plan {

struct PartFileName {
  int32_t unit = 0;
  int32_t part = 0;
};

// The unit and part of a file name when the text before the first "." is an integer and so is
// its extension without the last character; nullopt otherwise.
std::optional<PartFileName> ParsePartFileName(const std::string& name);

}  // namespace tarnik::plan
