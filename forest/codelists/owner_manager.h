// The forest manager (OLH) of a stand's owner: the owner is found by kind and code in the owner
// list; its manager applies unless one of its three per-stand lists names the stand, in which case
// that list's manager applies (later lists win). Pure function over plain values that the owner
// elements of the code-list container supply.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tarnik::plan {

struct StandRef {
  std::string odd;  // compartment number as text
  std::string dil;
  std::string por;
  std::string psk;  // empty for a stand
};

struct OwnerManagers {
  std::string maj_druh;                         // MAJ_DRUH_C
  std::string maj_kod;                          // MAJ_KOD_C
  std::string olh;                              // OLH_C
  std::array<std::string, 3> olh_list;          // OLH1_C, OLH2_C, OLH3_C
  std::array<std::vector<StandRef>, 3> stands;  // MajPoPorostechOLH1MN ... OLH3MN
};

// `current` is the answer when no owner matches. The owner is the last one whose trimmed kind and
// code equal the decimal texts given; stands compare by compartment number, DIL and POR as they
// stand and by PSK without blanks.
std::string ManagerOfOwner(const std::vector<OwnerManagers>& owners, long owner_kind,
                           long owner_code, const StandRef& stand, const std::string& current);

}  // namespace tarnik::plan
