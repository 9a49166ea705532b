// TLesniStringListElement: a wrapper of a name=value list (a TStringListElement, held as a child)
// with a "current item" name, so that conditions and scripts can ask whether an item exists or
// is switched on ("ANO"). Item names compare case-insensitively (ASCII), as the list does.
// The list is a non-owning reference beside the child link: it reads nil once the list is gone.
#pragma once

#include <string>
#include <vector>

#include "framework/entity.h"
#include "framework/handles.h"
#include "framework/values/string_list.h"

namespace tarnik::plan {

class TLesniStringListElement : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TLesniStringListElement)

  framework::TStringListElement* StringListElement() const {
    return list_.As<framework::TStringListElement>();
  }
  // Stores the list and adds it as a child.
  void SetStringListElement(framework::TStringListElement* list);
  const std::string& AktualniPolozka() const { return current_; }
  void SetAktualniPolozka(const std::string& name) { current_ = name; }
  bool AktualniJeVSeznamu() const;
  // Upper-cases the current item name and stores it back; true when that item is "ANO".
  bool AktualniJeVSeznamuAMaAno();

  // The item of that name (first match), nil without a list or item.
  framework::TElement* Polozka(const std::string& name) const;

 private:
  framework::TElementRef list_;
  std::string current_;
};

// A new TLesniStringListElement holding the items of one INI section as its list; when the file
// or the section is missing the message "Chybí soubor "<file>" nebo v něm sekce "<section>"."
// is shown and the wrapper has no list. The caller owns the result.
TLesniStringListElement* SeznamZIniSekce(const std::string& file, const std::string& section);

// A new list with one value per line, each value named by its line (nil for no lines); the
// caller owns it.
framework::TStringListElement* SeznamNaElement(const std::vector<std::string>* lines);

}  // namespace tarnik::plan
