// Published properties of model elements read as engine values for the database writers: an
// ordinal property (integers, booleans, enumerations) as an integer, a float as a real, anything
// else as its text. A property the element does not publish reads null and is told to the hook
// (for tests: every column the writers fill must come from a property the model has).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/engine/value.h"

namespace tarnik::framework {
class TElement;
}

namespace tarnik::islh {

// Throws what the property's getter throws.
engine::Value PropertyValue(framework::TElement& element, std::string_view name);

// Writes a float property through its writer; false when the element has no such writer.
bool SetFloatProperty(framework::TElement& element, std::string_view name, double value);

// Called with the class and property name whenever PropertyValue meets a property the element
// does not publish (or one without a reader); nothing by default. Answers the previous hook.
using UnknownPropertyHook = std::function<void(const std::string&, const std::string&)>;
UnknownPropertyHook SetUnknownPropertyHook(UnknownPropertyHook hook);

}  // namespace tarnik::islh
