// Multi-valued codes of an areal element: nature-protection codes (TNasobny_LongInt in a
// TNasobny_LongIntMN, prefix "NasLongInt") and owners' parcel numbers (TNasobny_Vlastnik in a
// TNasobny_VlastnikMN, prefix "NasVlast"). Both sets read and write their values as one text
// joined with "$" (XML) or "/" (display and entry). Values are owned by their set.
#pragma once

#include <cstdint>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TNasobny_LongInt : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TNasobny_LongInt)
  static void Define(std::vector<framework::TPropInfo>& out);
  int32_t Cislo() const { return cislo_; }
  // Stores the value and renames the element "NasLongInt <value>".
  void SetCislo(int32_t value);

 private:
  int32_t cislo_ = 0;
};

class TNasobny_Vlastnik : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TNasobny_Vlastnik)
  static void Define(std::vector<framework::TPropInfo>& out);
  int32_t Cislo() const { return cislo_; }
  // Stores the value and renames the element "NasVlast <value>".
  void SetCislo(int32_t value);

 private:
  int32_t cislo_ = 0;
};

// The operations shared by both multi-valued sets.
class TNasobnyMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TNasobnyMN)
  TNasobnyMN();
  // The values joined with the separator, blank values left out.
  std::string Forma(const std::string& separator) const;
  // Replaces the values by the pieces of the text. With `compare`, blanks are removed first and
  // nothing happens when the text equals the current form. A blank text leaves no values.
  void NastavFormu(const std::string& text, const std::string& separator, bool compare);
  // "VymazVse" frees all values; any other non-blank text is read as an integer and appended
  // unless a value equals it already.
  void Pridej(const std::string& text);
  // The XML forms: "0" for no values; a written "0" means none.
  std::string FormaXml() const;
  void NastavFormuXml(const std::string& text, bool compare);
  // Frees the values that are 0.
  void VycistiNuly();

 protected:
  TNasobnyMN(const framework::TClassInfo& element_class, std::string prefix,
             std::string value_property);

 private:
  std::string value_property_;
};

class TNasobny_LongIntMN : public TNasobnyMN {
 public:
  TARNIK_ELEMENT_CLASS(TNasobny_LongIntMN)
  TNasobny_LongIntMN();
};

class TNasobny_VlastnikMN : public TNasobnyMN {
 public:
  TARNIK_ELEMENT_CLASS(TNasobny_VlastnikMN)
  TNasobny_VlastnikMN();
};

}  // namespace tarnik::plan
