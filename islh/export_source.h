// What the XML writer asks of the loaded forest unit: the object iterator behind the element
// names, the unit's reload and its LHC record, and the MZD list expansion. The export mapping of
// the forest plan implements it; tests give their own. Objects answered stay owned by the source.
#pragma once

#include <string>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::islh {

class TExportSource {
 public:
  virtual ~TExportSource() = default;

  // Rebuilds the compartment list and loads the first compartment.
  virtual void ZnovuNacti() = 0;
  // The LHC record (properties LHO, LHC_KOD_XML, KU_DATUM); may be nil.
  virtual framework::TElement* LhcRecord() = 0;
  // Every position before the first object, the first-compartment flag set.
  virtual void ResetIterator() = 0;
  // The next model object for the element name in the current context, or nil.
  virtual framework::TElement* NextObject(const std::string& element_name) = 0;
  // Expands the MZD list per management set after the last compartment.
  virtual void RozvinMZDHospSoub() = 0;
};

}  // namespace tarnik::islh
