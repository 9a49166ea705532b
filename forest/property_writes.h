// Typed writes and reads of published properties by name for the plan readers: a value of
// another kind than the property's is converted (numbers to text with ".", texts to numbers, 0
// when not a number; a float for an integer rounded half to even, 0 when not finite, clamped to
// the 64-bit range); a property the element does not publish, or cannot write, is left alone.
// Never throw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::plan {

void PutInt(framework::TElement& element, std::string_view property, int64_t value);
void PutFloat(framework::TElement& element, std::string_view property, double value);
void PutText(framework::TElement& element, std::string_view property, const std::string& value);
// The property as a number (0 when the element lacks it or it is not one), as text.
double GetFloat(framework::TElement& element, std::string_view property);
std::string GetText(framework::TElement& element, std::string_view property);

}  // namespace tarnik::plan
