// TStringListElement: an ordered list of named text values (TStringElement children: name = key,
// value = text), the carrier of settings and attribute lists. Keys are matched by ASCII
// upper-casing; unnamed values have no key. Names the class does not publish behave as extra
// properties through GetPropertyText/SetPropertyText. Files are Windows-1250 text, one
// name=value item per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/entity.h"

namespace tarnik::framework {

class TTypeElement;

class TStringListElement : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TStringListElement)

  // The first typed-value child whose name equals the key (ASCII case-insensitive); nil when none
  // (also for an empty key).
  TTypeElement* FindValue(std::string_view name) const;
  // That child's text, empty when none.
  std::string GetValue(std::string_view name) const;
  // That child's integer by the string rule (0 when none or not wholly an integer).
  int32_t GetValueInteger(std::string_view name) const;
  // Sets the found child's text, or appends a new TStringElement(name, text).
  void SetValue(const std::string& name, const std::string& text);

  void NextValue(const std::string& text);  // appends an unnamed value
  void NextName(const std::string& name);   // appends an empty value with that name
  // Appends a value parsed as NameIsValue, only when the text contains "=".
  void NextNameIsValue(const std::string& text);
  // One child per line that is not blank: a line with "=" as NextNameIsValue, else as NextName.
  void NextStringList(const std::vector<std::string>& lines);
  // NextStringList over the lines of a text (CR LF, LF or CR line ends).
  void NextStringListText(const std::string& text);
  // NextStringList with the lines of an existing file; false (nothing changed) when the file
  // does not exist or cannot be read.
  bool LoadFromFile(const std::string& path);
  // One line name + "=" + text per child; false when the file cannot be written.
  bool SaveToFile(const std::string& path) const;

  // The published property when the class has one and its text is not empty, else GetValue.
  std::string GetPropertyText(std::string_view name) override;
  // The published property when the class has one, else SetValue.
  void SetPropertyText(std::string_view name, const std::string& value) override;

  // The children's texts in order.
  std::vector<std::string> ValuesToStringList() const;
  // Every string child whose text contains "=" becomes name (left part) and value (right part),
  // both trimmed.
  void SplitNameValues();
};

}  // namespace tarnik::framework
