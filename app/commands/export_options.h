// The options of the main window that the export commands read, headless: the ISLH type year,
// the issue date of the cadastral code list and the three check boxes, with the states the
// window has after its first show.
#pragma once

#include <string>

namespace tarnik::app {

// The numerical export variants: for the state administration and for LČR.
enum class NumericalVariant { kNumerika, kNumerikaLCR };

struct ExportOptions {
  std::string typ_ishul = "2010";      // CombTypIS
  std::string ku_datum = "30.6.2009";  // CombKU_DATUM
  bool odkorneno = true;               // Ch_Odkor: volumes under bark
  bool mzd_pod_80_let = true;          // Ch_mzdPod80let
  bool smaz_zvl_st = true;             // Ch_SmazZvlSt: cancelled statutes left out
};

// Copies the boxes that carry process-wide flags into them (Odkorneno, SmazZvlSt), as the
// boxes' handlers do when they change.
void ApplyWindowOptions(const ExportOptions& options);

}  // namespace tarnik::app
