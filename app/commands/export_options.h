// The options of the main window that the export commands read, headless: the ISLH type year,
// the issue date of the cadastral code list and the three check boxes, with the states the
// window has after its first show.
#pragma once

#include <string>

namespace tarnik::app {

// The export variants: the numerical part for the state administration and for LČR, and the
// exports with the map: for the state administration, with other land, with other land for LČR.
enum class NumericalVariant { kNumerika, kNumerikaLCR, kMapa, kMapaOst, kMapaOstLCR };

// The variant writes the map (outlines and symbols) and cleans the map's names first.
bool IsMapVariant(NumericalVariant variant);
// The variant writes other land; an outline unit (LHO "A") refuses it.
bool HasOtherLand(NumericalVariant variant);
// The variant marks the LHC record for LČR (ExportProLCR).
bool IsLcrVariant(NumericalVariant variant);

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
