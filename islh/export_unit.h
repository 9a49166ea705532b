// What the export mapping needs from the loaded forest unit: its LHC record with the one
// compartment loaded at a time, the walk over the compartments and the unit's code lists. The
// forest unit implements it through an adapter; tests give an in-memory unit. Objects answered
// stay owned by the unit.
#pragma once

#include <string>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::plan {
class TCiselKelva;
class TLHC;
class TOddeleni;
}  // namespace tarnik::plan

namespace tarnik::islh {

class TExportUnit {
 public:
  virtual ~TExportUnit() = default;

  // Whether the unit's source can deliver its compartment list; an export of a unit that cannot
  // writes nothing.
  virtual bool CanReadCompartments() { return true; }
  // The LHC record; nil when the unit has none.
  virtual plan::TLHC* LHC() = 0;
  // The unit's code lists; nil when they are not loaded.
  virtual plan::TCiselKelva* CiselKelva() = 0;
  // Rebuilds the compartment list and loads the first compartment.
  virtual void ZnovuNacti() = 0;
  // True when no compartment follows the loaded one.
  virtual bool JeKonec() = 0;
  // Loads the next compartment in place of the current one.
  virtual void NactiDalsiOddeleni(bool show_progress) = 0;
  // The compartment loaded now (the current element of the LHC's compartment set); nil for none.
  virtual plan::TOddeleni* AktualniOddeleni();
  // The unit as a model element (the exporter's LHC property); nil when it is none.
  virtual framework::TElement* AsElement() { return nullptr; }
  // The directory of the unit's plan data (where the export's directory dialog starts).
  virtual std::string adresarObecnychDatLHP() { return std::string(); }
};

}  // namespace tarnik::islh
