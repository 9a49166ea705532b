// Small helpers over plain string lists used while a unit is loaded: adding a text once, adding
// a name=value pair once by name (names padded to three characters), and the items of an INI
// section. Pure apart from the INI read and its message.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnik::plan {

// Appends the text unless the list already holds it; answers whether it was added.
bool AddUnlessPresent(std::vector<std::string>& list, const std::string& text);
// Appends "name=value" unless an item of that name exists; the name is left-padded with blanks
// to three characters first. Answers whether it was added.
bool AddNameValueUnlessPresent(std::vector<std::string>& list, const std::string& name,
                               const std::string& value);
// The name of a "name=value" item (the whole item when it has no "=").
std::string ItemName(const std::string& item);
std::string ItemValue(const std::string& item);

// The "key=value" items of an INI section; nullopt (after the message "Chybí soubor "<file>"
// nebo v něm sekce "<section>".") when the file or the section is missing.
std::optional<std::vector<std::string>> IniSectionItems(const std::string& file,
                                                        const std::string& section);

}  // namespace tarnik::plan
