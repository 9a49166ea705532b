// Fixed tables of the plan model: the set class, element class and name prefix of every forest
// set, and the properties that get per-property metadata (colour, marks) in each model class.
// Static data; the pointers answered stay valid for the whole process.
#pragma once

#include <string>
#include <vector>

namespace tarnik::plan {

struct SetKind {
  const char* set_class;      // "TOddeleniMN"
  const char* element_class;  // "TOddeleni"
  const char* prefix;         // "ODD"
};

const std::vector<SetKind>& SetKinds();
// Looked up by set class or by element class (case-insensitive); nullptr when unknown.
const SetKind* FindSetKindBySet(const std::string& set_class);
const SetKind* FindSetKindByElement(const std::string& element_class);

// The properties offered for editing (and given metadata) by a model class; nullptr for a class
// that takes every published property after the framework's own.
const std::vector<std::string>* EditableProperties(const std::string& class_name);

// Column indices of a grid: consecutive numbers for the visible columns, -1 for hidden ones.
std::vector<int> RenumberColumns(const std::vector<bool>& visible);

}  // namespace tarnik::plan
