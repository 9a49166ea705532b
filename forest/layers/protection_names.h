// The printed and checked forms of an areal element's nature-protection codes: one line per
// code with its name from the code lists (OCHR_PRIR_Nazvy and its line count), and the list of
// the codes the code lists do not know (ChybaVOchrPrir). Codes are read through the element's
// published properties; nothing throws.
#pragma once

#include <cstdint>
#include <string>

namespace tarnik::plan {

class TObecnyLesniPrvek;

// Lines "<label> <code> <name>" joined with CR LF, in the order of the composite text.
std::string OchranaPrirodyNazvy(TObecnyLesniPrvek& element);
int32_t OchranaPrirodyPocetRadku(TObecnyLesniPrvek& element);
// "  PO=<code> ,kod není v poradku." for each unknown code (PO, CHKO, CHKO_Z, NP, NP_Z, PP, PR,
// SCHU, EVL, NPP, NPR in this order), concatenated; empty when every code is known.
std::string ChybaVOchranePrirody(TObecnyLesniPrvek& element);

// The name of a contractually protected area: the SCHU list of CiselKelva when it has rows,
// else the code list tb_SCHU.
std::string NazevSCHU(TObecnyLesniPrvek& element, int32_t code);

}  // namespace tarnik::plan
