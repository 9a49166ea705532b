// TLesniCelek, the forest unit: the root of the forest plan model. It locates the plan data of
// one unit (NajdiDataLHP) by the recognisers registered with it (source_register.h), keeps the
// source kind, owns the LHC, the code lists, the owner transformation list, the standard item
// lists and the plan source it reads from (plan_source.h), and delivers the unit compartment by
// compartment: the LHC holds one compartment at a time, so memory does not grow with the number
// of compartments. What depends on the form of the data is the source's. Failures are reported
// through the Ui, never thrown, except an unanswerable question (QuestionUnanswered), which stops
// the caller.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forest/forest_element.h"
#include "forest/unit/compartment_list.h"
#include "framework/handles.h"

namespace tarnik::plan {

class PlanSource;
class TCiselKelva;
class TLHC;
class TOddeleni;
class TTransforDleMajiteleMN;

// The standard item lists read from INI sections.
enum class StandardList { kPP, kBZL, kCPP, kCPB, kCPJ, kJP, kOST, kLHC };

class TLesniCelek : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesniCelek)
  TLesniCelek();
  ~TLesniCelek() override;

  // Stored fields.
  const std::string& JakBylNacten() const { return jak_byl_nacten_; }
  void SetJakBylNacten(const std::string& v) { jak_byl_nacten_ = v; }
  const std::string& adresarObecnychDatLHP() const { return adresar_dat_; }
  void SetadresarObecnychDatLHP(const std::string& v) { adresar_dat_ = v; }
  const std::string& AdresarStandardu() const { return adresar_standardu_; }
  void SetAdresarStandardu(const std::string& v) { adresar_standardu_ = v; }
  const std::string& AdrStandardIniFile() const { return adr_standard_ini_; }
  void SetAdrStandardIniFile(const std::string& v) { adr_standard_ini_ = v; }
  const std::string& AdresarMapy() const { return adresar_mapy_; }
  void SetAdresarMapy(const std::string& v) { adresar_mapy_ = v; }

  // The children created on first access.
  TLHC* LHC();
  tciselnik* Ciselnik() override;
  TCiselKelva* CiselKelva();
  framework::TEntity* ciselKelvaOwnEnt() override;
  framework::TEntity* LHCOwnEnt() override;
  TTransforDleMajiteleMN* TransforDleMajiteleMN();
  uint8_t TypZdroje() override { return StoredTypZdroje(); }

  // Texts derived from the source.
  std::string AdresarIshulu() const;
  std::string AdresarTabulky_TBSepMaj() const;
  std::string ZdrojNazev() const;
  std::string PHSNazev() const;
  // The key of the previously current compartment as a number; -1 without an LHC or a number.
  int32_t stareOddeleni();

  // The item lists (nil and a message where the source has none).
  TLesniStringListElement* SeznamExportStandard() override;
  TLesniStringListElement* SeznamStandard(StandardList which);

  // Locating the data: with an empty directory the user chooses one in the dialog.
  void NajdiDataLHP(bool offer_new_directory, const std::string& directory, bool write_manager);

  // The compartment list, built on first use.
  const std::vector<std::string>& SeznamOddeleni();
  // Rebuilds the compartment list and loads the first compartment.
  void ZnovuNacti();
  // Load the first, respectively the next compartment into the LHC; false when none was loaded.
  bool NactiPrvniOddeleni();
  bool NactiDalsiOddeleni(bool show_progress);
  // Whether the data are exhausted.
  bool JeKonec();

  // The source the data were located in (a source without a reader before NajdiDataLHP and
  // when nothing was recognised); owned by the unit.
  PlanSource& Source() { return *source_; }
  const PlanSource& Source() const { return *source_; }
  // The line that receives the progress texts; none by default.
  void SetLogLine(std::function<void(const std::string&)> log) { log_ = std::move(log); }
  const std::function<void(const std::string&)>& LogLine() const { return log_; }
  // Writes a text to the progress line, if there is one.
  void Log(const std::string& text) const;
  // The no-colours flag of the readers and writers: no property metadata is created and no colour
  // column is read. Off by default (the window shows the colours).
  bool BezBarev() const { return bez_barev_; }
  void SetBezBarev(bool value) { bez_barev_ = value; }

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  bool BuildCompartmentList();
  // Drops the source (its code-list bindings first) and holds one without a reader.
  void ReleaseSource();
  // Adds a freshly read compartment to the LHC and applies the owner transformation.
  void TakeCompartment(TOddeleni* compartment);
  TLesniStringListElement* ListFromSection(const std::string& name, const std::string& file,
                                           const std::string& section);

  std::string jak_byl_nacten_, adresar_dat_, adresar_standardu_, adr_standard_ini_, adresar_mapy_;
  framework::TElementRef lhc_, ciselnik_, cisel_kelva_, transformace_;
  CompartmentList compartments_;
  bool compartments_built_ = false;
  std::unique_ptr<PlanSource> source_;
  std::function<void(const std::string&)> log_;
  bool bez_barev_ = false;
};

}  // namespace tarnik::plan
