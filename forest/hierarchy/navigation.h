// The navigation chain of the readers and builders: from the LHC to the current compartment,
// sub-compartment, stand, stand group, layer, species and damage, the current afforestation row
// of the current layer, and the current non-forest plot, other plot, other-land element and
// special status of the current stand. Each step follows the holder's set (a published object
// property naming the set) in one of three strengths. The answers are borrowed: the model owns
// them and they are valid until the model changes.
#pragma once

#include "forest/forest_set.h"
#include "framework/element.h"

namespace tarnik::plan {

class TLHC;

enum class Sila {
  kVzdy,    // never nil: creates an element keyed "Vzdy" when the set has no current element
  kVzdyN,   // never nil: the current element, else the first, else a new "Vzdy"
  kKdyzJe,  // nil when the set is empty (which ends the chain), else current or last
};

// The current element of a set in the strength; nil for a missing set.
framework::TElement* Aktualni(TLesniMnozina* set, Sila sila);
// The current element of the holder's set published as `set_property`; nil when the holder is
// nil or has no such set.
framework::TElement* AktualniVeMnozine(framework::TElement* holder, const char* set_property,
                                       Sila sila);

framework::TElement* AktualniOddeleni(TLHC* lhc, Sila sila);
framework::TElement* AktualniDilec(TLHC* lhc, Sila sila);
framework::TElement* AktualniPorost(TLHC* lhc, Sila sila);
framework::TElement* AktualniSkupina(TLHC* lhc, Sila sila);
framework::TElement* AktualniEtaz(TLHC* lhc, Sila sila);
framework::TElement* AktualniDrevina(TLHC* lhc, Sila sila);
framework::TElement* AktualniPoskozeni(TLHC* lhc, Sila sila);
framework::TElement* AktualniZalesneni(TLHC* lhc, Sila sila);
framework::TElement* AktualniBezlesi(TLHC* lhc, Sila sila);
framework::TElement* AktualniJinyPozemek(TLHC* lhc, Sila sila);
framework::TElement* AktualniOstatni(TLHC* lhc, Sila sila);
framework::TElement* AktualniZvlSt(TLHC* lhc, Sila sila);

}  // namespace tarnik::plan
