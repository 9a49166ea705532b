// The owner transformation list of a forest unit (TTransforDleMajiteleMN of TTransforDleMajitele
// rows, prefix "TRANSF"): rows naming a compartment, sub-compartment and stand with the owner
// they get. After every load the transformation sets the owners of the listed stands and then
// gives every stand the forest manager that the owner list assigns. The list is empty unless it
// was filled from outside; rows are owned by the list.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TOddeleni;
class TPorost;

class TTransforDleMajitele : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TTransforDleMajitele)
  static void Define(std::vector<framework::TPropInfo>& out);
  int32_t odd = 0;
  std::string dil;
  std::string por;
  int32_t maj_kod = 0;
  int32_t maj_druh = 0;
};

class TTransforDleMajiteleMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TTransforDleMajiteleMN)
  TTransforDleMajiteleMN();
};

// The manager code that the unit's owner list assigns to a stand (blank for none), or nullopt
// when the unit has no code-list container.
using ManagerLookup = std::function<std::optional<std::string>(TPorost&)>;

// Applies the rows of the compartment's number to its stands ("V oddělení <number>neexistuje
// dílec "<DIL>"" ends the step for a missing sub-compartment, "V dílci <CeleOznaceni> chybí
// porost "<POR>"" skips a missing stand), then writes the looked-up manager into every stand's
// OLH_98n ("číselník chybí" once per stand without a container). Answers false when a
// sub-compartment was missing (the compartment's error mark).
bool TransformujDleMajitele(TOddeleni& compartment, const TTransforDleMajiteleMN& rows,
                            const ManagerLookup& manager);

}  // namespace tarnik::plan
