// TDilec: a sub-compartment, keyed by DIL, holding its stands (and the deleted ones) in owned
// child sets; TDilecMN: the compartment's sub-compartment set (prefix "DIL").
#pragma once

#include <string>
#include <vector>

#include "forest/hierarchy/lesni_prvek.h"

namespace tarnik::plan {

class TPorost;
class TPorostMN;

class TDilec : public TLesniSlozenyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TDilec)

  const std::string& DIL() const { return dil_; }
  // Stores the text and renames the element (set prefix + " " + text, or "DIL " + text).
  void SetDIL(const std::string& text);
  void AdoptDIL(const std::string& text) { dil_ = text; }
  std::string CeleOznaceni();
  std::string CeleOznaceniKratce();

  TPorostMN* PorostMN();
  TPorostMN* SmazanyPorostMN();
  TPorost* Porost();
  // The stand with the key, the selection left as it was; nil when there is none.
  TPorost* PorostJmenem(const std::string& key);

  bool MaSmazany() override;

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  std::string dil_;
  framework::TElementRef porosty_, smazane_porosty_;
};

class TDilecMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TDilecMN)
  TDilecMN();
  // Creating an element also gives it its key as DIL.
  void SetNovyPrvek(const std::string& key) override;
  void SetNovyPrvekVzdy(const std::string& key) override;
};

}  // namespace tarnik::plan
