#include "forest/forest_set.h"

#include "forest/set_algorithms.h"
#include "forest/sharing_lock.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TClassInfo;
using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineForestSet(std::vector<TPropInfo>& out) {
  TPropDefs<TLesniMnozina> d(out);
  d.Integer("PoradiAktualnihoPrvku", &TLesniMnozina::PoradiAktualnihoPrvku, nullptr);
  d.String("JmenoAktualnihoPrvku", &TLesniMnozina::JmenoAktualnihoPrvku,
           &TLesniMnozina::SetJmenoAktualnihoPrvku);
  d.String("JmenoStarehoPrvku", &TLesniMnozina::JmenoStarehoPrvku,
           &TLesniMnozina::SetJmenoStarehoPrvku);
  d.Object("AktualniPrvek", TElement::StaticClass(), &TLesniMnozina::AktualniPrvek,
           &TLesniMnozina::SetAktualniPrvek);
  d.Object("AktualniPrvekVzdy", TElement::StaticClass(), &TLesniMnozina::AktualniPrvekVzdy,
           nullptr);
  d.Object("AktualniPrvekVzdyN", TElement::StaticClass(), &TLesniMnozina::AktualniPrvekVzdyN,
           nullptr);
  d.Object("AktualniPrvekKdyzJe", TElement::StaticClass(), &TLesniMnozina::AktualniPrvekKdyzJe,
           nullptr);
  d.String("NovyPrvek", nullptr, &TLesniMnozina::SetNovyPrvek);
  d.String("NovyPrvekVzdy", nullptr, &TLesniMnozina::SetNovyPrvekVzdy);
  d.String("NovyNeboAktualniPrvek", nullptr, &TLesniMnozina::SetNovyNeboAktualniPrvek);
  d.Integer("PocetPrvku", &TLesniMnozina::PocetPrvku, nullptr);
  d.Boolean("NechavatJenJedenPrvek", &TLesniMnozina::NechavatJenJedenPrvek,
            &TLesniMnozina::SetNechavatJenJedenPrvek);
  d.String("PredponaName", &TLesniMnozina::PredponaName, &TLesniMnozina::SetPredponaName);
  d.String("AdresaKlvu", &TLesniMnozina::AdresaKlvu, &TLesniMnozina::SetAdresaKlvu);
  d.Boolean("KontrolovatSdileni", &TLesniMnozina::KontrolovatSdileni,
            &TLesniMnozina::SetKontrolovatSdileni);
  d.Boolean("PouzeCteni", &TLesniMnozina::PouzeCteni, &TLesniMnozina::SetPouzeCteni);
}

}  // namespace

TARNIK_DEFINE_CLASS(TLesniMnozina, TObecnyLesniPrvek, DefineForestSet)

TLesniMnozina::TLesniMnozina() : element_class_(&TObecnyLesniPrvek::StaticClass()) {}

TLesniMnozina::TLesniMnozina(const TClassInfo& element_class, std::string prefix)
    : predpona_(std::move(prefix)), element_class_(&element_class) {}

TLesniMnozina::~TLesniMnozina() { delete pomocny_.Get(); }

void TLesniMnozina::SetPomocny(TElement* aux) {
  TElement* previous = pomocny_.Get();
  if (previous == aux) return;
  pomocny_ = aux;
  delete previous;
}

void TLesniMnozina::SetPouzeCteni(bool value) {
  pouze_cteni_ = ApplyReadOnly(value, kontrolovat_sdileni_, pouze_cteni_, adresa_klvu_, historie_);
}

void TLesniMnozina::AddElement(TElement* element) {
  if (!element) return;
  if (!element->InheritsFrom(*element_class_)) {
    platform::ui().ShowMessage(
        "Prvek \"" + element->GetName() + "\" neni typem pro mnozinu \"" + GetName() + "\"",
        platform::Severity::kPassedOver);
    return;
  }
  SetAktualniPrvek(element);
  const std::string name = element->GetName();
  if (!HasSetPrefix(name, predpona_)) element->SetName(SetElementName(predpona_, name));
  if (jen_jeden_) {
    // The element being added is kept even when the set already holds it.
    for (int i = GetCount() - 1; i >= 0; --i) {
      if (i >= GetCount()) continue;
      TElement* child = GetElement(i);
      if (child != element && child->InheritsFrom(*element_class_)) FreeElement(child);
    }
  }
  TObecnyLesniPrvek::AddElement(element);
  aktualni_ = element;
}

std::vector<TElement*> TLesniMnozina::Prvky() const {
  std::vector<TElement*> elements;
  // Most sets of a compartment are empty or hold only their elements.
  if (Children().empty() || !MayHaveChildOfClass(*element_class_)) return elements;
  elements.reserve(Children().size());
  for (TElement* child : Children()) {
    if (child->InheritsFrom(*element_class_)) elements.push_back(child);
  }
  return elements;
}

int TLesniMnozina::PocetPrvku() const { return CountOfClass(*element_class_); }

std::string TLesniMnozina::NameForKey(std::string_view key) const {
  return SetElementName(predpona_, key);
}

std::string TLesniMnozina::KeyOf(const TElement& element) const {
  return SetElementKey(element.GetName(), predpona_);
}

TElement* TLesniMnozina::PrvekPodleKlice(std::string_view key) const {
  return FindElementByName(NameForKey(key));
}

void TLesniMnozina::SetAktualniPrvek(TElement* element) {
  jmeno_stareho_ = JmenoAktualnihoPrvku();
  aktualni_ = element;
}

int TLesniMnozina::PoradiAktualnihoPrvku() const {
  TElement* current = AktualniPrvek();
  return current ? IndexOf(current) : 0;
}

std::string TLesniMnozina::JmenoAktualnihoPrvku() const {
  TElement* current = AktualniPrvek();
  if (!current || IndexOf(current) < 0) return kNoElementKey;
  try {
    return KeyOf(*current);
  } catch (const std::exception&) {
    return kNoElementKey;
  }
}

TElement* TLesniMnozina::AktualniPrvekVzdy() {
  // Selecting an existing "Vzdy" first: creating alone refuses a key that exists and would
  // leave the set without a current element.
  if (!AktualniPrvek()) SetNovyNeboAktualniPrvek(kAlwaysKey);
  return AktualniPrvek();
}

TElement* TLesniMnozina::AktualniPrvekVzdyN() {
  if (TElement* current = AktualniPrvek()) return current;
  const std::vector<TElement*> elements = Prvky();
  if (!elements.empty()) {
    SetAktualniPrvek(elements.front());
    return elements.front();
  }
  return AktualniPrvekVzdy();
}

TElement* TLesniMnozina::AktualniPrvekKdyzJe() {
  const std::vector<TElement*> elements = Prvky();
  if (elements.empty()) {
    aktualni_ = nullptr;
    return nullptr;
  }
  if (TElement* current = AktualniPrvek()) return current;
  return elements.back();
}

bool TLesniMnozina::JeAktualniVMnozine() const {
  TElement* current = AktualniPrvek();
  return current && IndexOf(current) >= 0;
}

void TLesniMnozina::DalsiAktualni() {
  TElement* current = AktualniPrvek();
  if (!current) return;
  const std::vector<TElement*> elements = Prvky();
  for (size_t i = 0; i + 1 < elements.size(); ++i) {
    if (elements[i] == current) {
      SetAktualniPrvek(elements[i + 1]);
      return;
    }
  }
}

void TLesniMnozina::NastavAktualniNaPrvni() {
  const std::vector<TElement*> elements = Prvky();
  if (!elements.empty()) SetAktualniPrvek(elements.front());
  TObecnyLesniPrvek::NastavAktualniNaPrvni();
}

void TLesniMnozina::SetNovyPrvek(const std::string& key) {
  if (PrvekPodleKlice(key)) {
    aktualni_ = nullptr;
    return;
  }
  TElement* element = element_class_->Create();
  element->SetName(NameForKey(key));
  AddElement(element);
  aktualni_ = element;
}

void TLesniMnozina::SetNovyPrvekVzdy(const std::string& key) {
  TElement* element = element_class_->Create();
  SetAktualniPrvek(element);
  // Named prefix + " " + key at once, so that a key which itself begins with the prefix keeps
  // its element's key intact.
  element->SetName(NameForKey(key));
  AddElement(element);
}

void TLesniMnozina::SetJmenoAktualnihoPrvku(const std::string& key) {
  SetAktualniPrvek(PrvekPodleKlice(key));
}

void TLesniMnozina::SetNovyNeboAktualniPrvek(const std::string& key) {
  SetJmenoAktualnihoPrvku(key);
  if (!AktualniPrvek()) SetNovyPrvek(key);
}

void TLesniMnozina::UvolniPrvkyTridy(const TClassInfo& c) {
  for (int i = GetCount() - 1; i >= 0; --i) {
    if (i >= GetCount()) continue;  // freeing one child may have taken others with it
    TElement* child = GetElement(i);
    if (child->InheritsFrom(c)) FreeElement(child);
  }
}

void TLesniMnozina::UvolniVse() {
  FreeAll();
  aktualni_ = nullptr;
}

}  // namespace tarnik::plan
