// TImportStandardPP_FST, the translator of one line of an exchange data file into the forest
// model. Each line is applied twice: in the "set" pass (Nastavuj true) the hierarchy columns
// (ODD, DIL, POR, PSK, ETAZ, DR_ZKR, JP, BZL) create and select the current elements and the
// unit header columns fill the LHC; in the "load" pass the other columns write their values into
// the current elements of their level. The current elements are found from the compartment the
// translator works on down (each created when its set has none); a file's own element (stand
// group, other plot, non-forest plot) takes the areal columns. A value the "whole" rule cannot
// read is reported ("chyba při načítaní elementu "<column>" recursorem "<file>"") and its target
// keeps its value; nothing is thrown. The translator holds the unit and the compartment, owning
// neither.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnik::plan {

class FstLineDecoder;
class TLesniCelek;
class TOddeleni;

class TImportStandardPP_FST {
 public:
  explicit TImportStandardPP_FST(TLesniCelek& unit) : unit_(unit) {}

  // The origin tag written into the LHC's PUVOD_DAT with LHC_KOD; an empty tag leaves PUVOD_DAT
  // as it is.
  std::string PUVOD_DAT_PP;
  // The separator of multiple values inside a column.
  std::string Oddelovac;
  // "PP.FST", "PSK.FST", "BZL.FST", "JP.FST" or "LHC.FST".
  std::string JmenoTextFile;
  bool Nastavuj = true;
  bool NevytvaretNoveOddeleni = false;
  // The 97 form: MAJ_KOD and MAJ_DRUH of JP.FST go to the stand.
  bool OwnerOfOtherPlotsToStand = false;

  // The compartment the lines go into; nil: the current compartment of the LHC's set (created
  // when there is none), and no hierarchy column acts for LHC.FST.
  void SetCompartment(TOddeleni* compartment) { compartment_ = compartment; }

  // Applies every column of the line last read, in header order.
  void Execute(const FstLineDecoder& line);

 private:
  struct Walk;
  TLesniCelek& unit_;
  TOddeleni* compartment_ = nullptr;
  // The action of each column of the header, found once per header.
  const void* header_ = nullptr;
  std::vector<int> actions_;
};

}  // namespace tarnik::plan
