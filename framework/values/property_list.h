// TPropertyList: a string list whose children's names are property names. Writing an element
// fills each child's text from the element's property of that name ("-X": property X with its
// sign turned); Catenation joins the texts with Delimiter. The element written is not kept.
#pragma once

#include <string>

#include "framework/values/string_list.h"

namespace tarnik::framework {

class TPropertyList : public TStringListElement {
 public:
  TARNIK_ELEMENT_CLASS(TPropertyList)

  // Nil changes nothing.
  void SetElement(TElement* element);
  std::string Catenation() const;
  const std::string& Delimiter() const { return delimiter_; }
  void SetDelimiter(const std::string& delimiter) { delimiter_ = delimiter; }

 private:
  std::string delimiter_;
};

// The text with its sign turned: a leading "-" is removed, otherwise one is prepended; an empty
// text stays empty.
std::string NegateText(const std::string& text);

}  // namespace tarnik::framework
