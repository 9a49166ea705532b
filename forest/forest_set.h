// The set of forest elements of one class (TLesniMnozina): it holds its elements as children,
// names them prefix + " " + key, keeps one current element (a non-owning reference that reads
// nil once the element is gone) and offers lookups, sums, joins, sorting and binary search over
// its elements' published properties. "Elements" are the children of the element class (other
// children, such as the set's own property metadata, are left out of every set operation).
// Every operation reports failures through the Ui seam and answers nil, 0, "*", "PrvekNeni" or
// -1 instead of throwing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forest/forest_element.h"
#include "forest/sorted_search.h"

namespace tarnik::plan {

// The key of a set without a current element.
inline constexpr const char* kNoElementKey = "PrvekNeni";
// The key of the element that the "always" accessors create.
inline constexpr const char* kAlwaysKey = "Vzdy";

class TLesniMnozina : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesniMnozina)
  TLesniMnozina();
  ~TLesniMnozina() override;

  const framework::TClassInfo& ElementClass() const { return *element_class_; }
  const std::string& PredponaName() const { return predpona_; }
  void SetPredponaName(const std::string& prefix) { predpona_ = prefix; }
  const std::string& JmenoStarehoPrvku() const { return jmeno_stareho_; }
  void SetJmenoStarehoPrvku(const std::string& key) { jmeno_stareho_ = key; }
  bool NechavatJenJedenPrvek() const { return jen_jeden_; }
  void SetNechavatJenJedenPrvek(bool value) { jen_jeden_ = value; }
  const std::string& AdresaKlvu() const { return adresa_klvu_; }
  void SetAdresaKlvu(const std::string& file) { adresa_klvu_ = file; }
  bool KontrolovatSdileni() const { return kontrolovat_sdileni_; }
  void SetKontrolovatSdileni(bool value) { kontrolovat_sdileni_ = value; }
  bool PouzeCteni() const { return pouze_cteni_; }
  // The sharing-lock protocol (meaningful when KontrolovatSdileni is set).
  void SetPouzeCteni(bool value);
  const std::string& Historie() const { return historie_; }
  void AddHistorie(const std::string& trace) { historie_ += trace; }
  // An auxiliary object owned by the set (freed with it unless it is gone already); nil by
  // default. Setting another one frees the previous one.
  framework::TElement* Pomocny() const { return pomocny_.Get(); }
  void SetPomocny(framework::TElement* aux);

  // Adding checks the class, makes the element current and prefixes its name (see the .cpp).
  void AddElement(framework::TElement* element) override;

  // Elements: the children of the element class, in order.
  std::vector<framework::TElement*> Prvky() const;
  int PocetPrvku() const;
  // The name of an element with this key, and the key of an element (its name without prefix).
  std::string NameForKey(std::string_view key) const;
  std::string KeyOf(const framework::TElement& element) const;
  framework::TElement* PrvekPodleKlice(std::string_view key) const;

  // The current element.
  framework::TElement* AktualniPrvek() const { return aktualni_.Get(); }
  void SetAktualniPrvek(framework::TElement* element);
  int PoradiAktualnihoPrvku() const;
  std::string JmenoAktualnihoPrvku() const;
  framework::TElement* AktualniPrvekVzdy();
  framework::TElement* AktualniPrvekVzdyN();
  framework::TElement* AktualniPrvekKdyzJe();
  bool JeAktualniVMnozine() const;
  void DalsiAktualni();
  void NastavAktualniNaPrvni() override;

  // Writers of the write-only properties; sets of the model override them to normalise keys.
  virtual void SetNovyPrvek(const std::string& key);
  virtual void SetNovyPrvekVzdy(const std::string& key);
  virtual void SetJmenoAktualnihoPrvku(const std::string& key);
  virtual void SetNovyNeboAktualniPrvek(const std::string& key);

  // Freeing.
  void UvolniPrvkyTridy(const framework::TClassInfo& c);
  void UvolniVse();

  // Values over the elements (set_operations.cpp).
  double SoucetProperty(const std::string& name) const;
  std::string SpojHodnotyProperty(const std::string& name, const std::string& separator) const;
  void NastavPropertyVsem(const std::string& name, const std::string& value);
  void RozlozDoPrvku(const std::string& name, const std::string& text,
                     const std::string& separator);
  void RozlozJmena(const std::string& text, const std::string& separator) {
    RozlozDoPrvku("NAME", text, separator);
  }
  framework::TElement* PrvekSMaxProperty(const std::string& name) const;
  framework::TElement* PrvekPodleHodnotyProperty(const std::string& name,
                                                 const std::string& value) const;
  bool ExistujePrvekSHodnotou(const std::string& name, const std::string& value) const {
    return PrvekPodleHodnotyProperty(name, value) != nullptr;
  }
  int PocetPrvkuSHodnotou(const std::string& name, const std::string& value) const;
  std::string HodnotaPodleKlice(const std::string& key_name, const std::string& key_value,
                                const std::string& result_name) const;
  bool ObsahujePrvek(const framework::TElement* element) const;

  // Sorting and binary search (set_sorting.cpp). The searches expect the set sorted ascending
  // by the property.
  void SetridPodleProperty(const std::string& name, bool ascending);
  void SetridPodlePropertyCislo(const std::string& name, bool ascending);
  int PoziceVSetridene(const std::string& name, const std::string& key) const;
  int PoziceVSetrideneCislo(const std::string& name, int64_t key) const;
  SortedRange RozsahVSetrideneCislo(const std::string& name, int64_t key) const;
  void VyberPodleHodnoty(const std::string& name, const std::string& value,
                         framework::TEntity& target) const;

 protected:
  // For the sets of the model: the element class and the prefix of their elements.
  TLesniMnozina(const framework::TClassInfo& element_class, std::string prefix);

 private:
  void Sort(const std::string& name, bool ascending, bool numeric);

  std::string historie_ = "h";
  framework::TElementRef aktualni_;
  std::string adresa_klvu_;
  bool kontrolovat_sdileni_ = false;
  bool pouze_cteni_ = false;
  framework::TElementRef pomocny_;
  std::string predpona_;
  std::string jmeno_stareho_;
  bool jen_jeden_ = false;
  const framework::TClassInfo* element_class_;
};

}  // namespace tarnik::plan
