#include "forest/hierarchy/navigation.h"

#include "forest/hierarchy/lhc.h"
#include "framework/property_text.h"

namespace tarnik::plan {

using framework::TElement;

TElement* Aktualni(TLesniMnozina* set, Sila sila) {
  if (!set) return nullptr;
  switch (sila) {
    case Sila::kVzdy:
      return set->AktualniPrvekVzdy();
    case Sila::kVzdyN:
      return set->AktualniPrvekVzdyN();
    case Sila::kKdyzJe:
      return set->AktualniPrvekKdyzJe();
  }
  return nullptr;
}

TElement* AktualniVeMnozine(TElement* holder, const char* set_property, Sila sila) {
  if (!holder) return nullptr;
  return Aktualni(dynamic_cast<TLesniMnozina*>(framework::GetPropertyObject(holder, set_property)),
                  sila);
}

TElement* AktualniOddeleni(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(lhc, "OddeleniMN", sila);
}
TElement* AktualniDilec(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniOddeleni(lhc, sila), "DilecMN", sila);
}
TElement* AktualniPorost(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniDilec(lhc, sila), "PorostMN", sila);
}
TElement* AktualniSkupina(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniPorost(lhc, sila), "PorostniSkupinaMN", sila);
}
TElement* AktualniEtaz(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniSkupina(lhc, sila), "EtazMN", sila);
}
TElement* AktualniDrevina(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniEtaz(lhc, sila), "DrevinaMN", sila);
}
TElement* AktualniPoskozeni(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniDrevina(lhc, sila), "PoskozeniMN", sila);
}
TElement* AktualniZalesneni(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniEtaz(lhc, sila), "ZalesneniMN", sila);
}
TElement* AktualniBezlesi(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniPorost(lhc, sila), "BezlesiMN", sila);
}
TElement* AktualniJinyPozemek(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniPorost(lhc, sila), "JinyPozemekMN", sila);
}
TElement* AktualniOstatni(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniPorost(lhc, sila), "OstatniMN", sila);
}
TElement* AktualniZvlSt(TLHC* lhc, Sila sila) {
  return AktualniVeMnozine(AktualniPorost(lhc, sila), "ZvlStMN", sila);
}

}  // namespace tarnik::plan
