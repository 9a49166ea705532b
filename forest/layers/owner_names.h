// Owner, forest-manager and organisational-level names of the stand hierarchy, and the stand's
// forest manager. Names are taken, in this order, from the LČR document source of the unit's
// code-list container, from the matching list of the unit's CiselKelva when that list is not
// empty, and from the code-list tables. The stand's manager is its stored code unless the owner
// list of CiselKelva assigns one to its owner. Lookups never throw; missing lists give the
// markers of the code lists.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "forest/codelists/owner_manager.h"
#include "framework/class_info.h"

namespace tarnik::plan {

class TCiselKelva;
class TObecnyLesniPrvek;
class TPorost;

// The CiselKelva the element reaches through its holders; nil when none.
TCiselKelva* CiselKelvaOf(TObecnyLesniPrvek& element);

// The owner's name ("Jak muze byt tady nil???" when the element reaches no code list at all).
std::string JmenoVlastnika(TObecnyLesniPrvek& element, int32_t maj_druh, int32_t maj_kod);
// The name of an organisational level (1 to 3) of the given code.
std::string JmenoOrgUrovne(TObecnyLesniPrvek& element, int level, const std::string& code);
// The forest manager's name with the LČR source first (OLH_nazev), and without it (OLH_99:
// the manager list of CiselKelva, or the code list when that list is empty).
std::string JmenoOLH(TObecnyLesniPrvek& element, const std::string& code);
std::string JmenoOLHZeSeznamu(TObecnyLesniPrvek& element, const std::string& code);

// The manager that the owner list of CiselKelva assigns to the stand's owner (the per-stand
// overrides included); blank when the list is empty or names no manager (code 0); nullopt when the
// stand reaches no CiselKelva.
std::optional<std::string> OLHDleVlastnika(TPorost& stand);

// The stand's compartment number, DIL and POR (empty parts without the holders).
StandRef StandRefOf(TPorost& stand);

// The stand's owner and manager properties: MAJ_NAZ, MAJ_NAZ_xml, OlH_DleTb_Majetky, OLH_98,
// OLH_98n, OLH, OLH_XML, OLH_99, OLH_LIC, OLH_nazev.
void DefineStandOwnerProperties(std::vector<framework::TPropInfo>& out);

}  // namespace tarnik::plan
