// The process-wide option flags that the main window's check boxes and the export commands set
// and the model and the exporter read. Plain values, single-threaded, reset by tests at will.
#pragma once

namespace tarnik::forest {

struct OptionFlags {
  bool odkorneno = false;     // volumes in the XML are under bark
  bool smaz_zvl_st = true;    // cancelled nature-protection statutes are left out of the XML
  bool sniz_etat = false;     // the cut in the XML is reduced by the inductive cut
  bool sestavit_mzd = false;  // the MZD list per management set is built during the export
};

// The one instance of the process.
inline OptionFlags& Flags() {
  static OptionFlags flags;
  return flags;
}

}  // namespace tarnik::forest
