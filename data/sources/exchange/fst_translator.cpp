#include "data/sources/exchange/fst_translator.h"

#include <cmath>
#include <exception>
#include <string_view>
#include <unordered_map>

#include "data/sources/exchange/fst_line_decoder.h"
#include "data/sources/exchange/fst_values.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/key_rules.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "forest/property_writes.h"
#include "forest/unit/lesni_celek.h"
#include "framework/class_info.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;

// What a column does; kNone for a column the translator ignores.
enum Act : int {
  kNone,
  // Set pass.
  kLhcKod,
  kLhcNaz,
  kLhcText,
  kLhcDigits,
  kLhcWhole,
  kLhcDecimal,
  kOdd,
  kDil,
  kPor,
  kJp,
  kPsk,
  kBzl,
  kEtaz,
  kDrZkr,
  // Load pass: stand.
  kStandText,
  kStandOlh,
  kStandWhole,
  kStandWritten,
  kStandPorText,
  kStandSplit,
  kOwner,
  // Areal columns of the file's element.
  kArealWholeDigits,
  kArealWhole,
  // Group.
  kGroupDecimal,
  kGroupText,
  kGroupWhole,
  kGroupCodePage,
  kEtazText,
  // Layer.
  kLayerDecimal,
  kLayerWhole,
  kLayerWholeDigits,
  kLayerText,
  kMzd,
  kZalDr,
  kZalDruh,
  kZalP,
  kZalDrP,
  // Species.
  kSpeciesText,
  kSpeciesWholeDigits,
  kSpeciesWhole,
  kSpeciesZasTab,
  kPoskozD,
  kPoskozR,
  // Other plot, non-forest plot.
  kJpText,
  kJpDecimal,
  kJpDruhPoz,
  kJpCodePage,
  kBzlDecimal,
  kBzlCodePage,
};

const std::unordered_map<std::string_view, Act>& Actions() {
  static const std::unordered_map<std::string_view, Act> actions = [] {
    std::unordered_map<std::string_view, Act> m;
    auto add = [&m](Act act, std::initializer_list<std::string_view> names) {
      for (std::string_view name : names) m.emplace(name, act);
    };
    add(kLhcKod, {"LHC_KOD"});
    add(kLhcNaz, {"LHC_NAZ"});
    add(kLhcText, {"LHP_OD", "LHP_DO", "LHP_Z_OD", "LHP_Z_DO", "LHP_Z_TAX", "LHP_TAX", "LHP_LIC",
                   "LHP_Z_LIC"});
    // ETAT, the whole cut, by the same rule as its parts.
    add(kLhcDigits, {"ETAT", "ETAT_TV", "ETAT_TO", "ETAT_TVYB"});
    add(kLhcWhole, {"TEZ_PROC", "NOR_PAS", "LHC_PN_PRO", "LHC_IND", "LHC_MAX"});
    add(kLhcDecimal, {"MVYCH_DO40"});
    add(kOdd, {"ODD"});
    add(kDil, {"DIL"});
    add(kPor, {"POR"});
    add(kJp, {"JP"});
    add(kPsk, {"PSK"});
    add(kBzl, {"BZL"});
    add(kEtaz, {"ETAZ"});
    add(kDrZkr, {"DR_ZKR"});
    add(kStandText, {"SDR_POR", "PAS_OHR"});
    add(kStandOlh, {"OLH"});
    add(kStandWhole, {"KAT_SPEC"});
    add(kStandWritten, {"LES_OBL", "ZVL_STATUT"});
    add(kStandPorText, {"POR_TEXT"});
    add(kStandSplit, {"KATEGORIE", "ORG_UROVEN"});
    add(kOwner, {"MAJ_KOD", "MAJ_DRUH"});
    add(kArealWholeDigits, {"KVAL_P"});
    add(kArealWhole, {"KAT_PAR_KOD", "KU_KOD", "LES_URAD"});
    add(kGroupDecimal, {"PSK_P0", "PSK_V", "PSK_P"});
    add(kGroupText, {"SLT", "TER_TYP", "LT", "DAN"});
    add(kGroupWhole, {"PRIB_VZD", "HOSP_ZP"});
    add(kGroupCodePage, {"PSK_TEXT"});
    add(kEtazText, {"ETAZ_TEXT"});
    add(kLayerDecimal, {"ETAZ_PS", "ETAZ_PP", "PRO_P", "TV_P", "TO_P", "TVYB_P"});
    add(kLayerWhole,
        {"HS", "OBMYTI", "OBN_DOBA", "POC_OBNOVY", "VEK", "ZAKM", "M_Z_ZASOBY", "M_TEZ_PROC"});
    add(kLayerWholeDigits, {"PRO_POC", "TV_POC"});
    add(kLayerText, {"ODVOZ_TEZ", "HOSP_TV", "PRO_NAL", "TV_NAL", "TO_NAL", "TO_DUVOD", "TO_ZPUSOB",
                     "TVYB_NAL"});
    add(kMzd, {"MZD"});
    add(kZalDr, {"ZAL_DR"});
    add(kZalDruh, {"ZAL_DRUH"});
    add(kZalP, {"ZAL_P"});
    add(kZalDrP, {"ZAL_DR_P"});
    add(kSpeciesText, {"DR_PUVOD", "GEN_KLAS", "VYB_STR", "DR_KVAL", "IMISE"});
    add(kSpeciesWholeDigits, {"ZAST", "VYSKA", "TLOUSTKA", "PROC_SOUS", "DR_TV", "DR_TO"});
    add(kSpeciesWhole, {"BON_R", "DR_TVYB", "BON_A", "DR_ZAS_HA", "DR_ZAS_CEL"});
    add(kSpeciesZasTab, {"DR_ZAS_TAB"});
    add(kPoskozD, {"POSKOZ_D"});
    add(kPoskozR, {"POSKOZ_R"});
    add(kJpText, {"JP_PUPFL"});
    add(kJpDecimal, {"JP_P0", "JP_P", "JP_V"});
    add(kJpDruhPoz, {"DRUH_POZ"});
    add(kJpCodePage, {"JP_VYUZ", "JP_DRUH"});
    add(kBzlDecimal, {"BZL_P0", "BZL_P", "BZL_V"});
    add(kBzlCodePage, {"BZL_VYUZ", "BZL_DRUH"});
    return m;
  }();
  return actions;
}

bool SetPass(int act) { return act >= kLhcKod && act <= kDrZkr; }

// A value the whole rule cannot read.
struct NotWhole : std::exception {};

int32_t WholeOrThrow(std::string_view value) {
  const auto number = fst::Whole(value);
  if (!number) throw NotWhole();
  return *number;
}

// A text through the element's published text property, else as the element's property text.
void PutTextProperty(TElement& element, std::string_view name, const std::string& value) {
  const framework::TPropInfo* prop = element.ClassType().Find(name);
  if (!prop) return;
  if (prop->set_str)
    prop->set_str(element, value);
  else
    element.SetPropertyText(name, value);
}

// Whether a piece of the value (split at the separator) reads above the limit.
bool AnyPieceAbove(const std::string& value, const std::string& separator, double limit) {
  if (separator.empty()) return fst::Decimal(value) > limit;
  size_t start = 0;
  for (;;) {
    const size_t end = value.find(separator, start);
    if (fst::Decimal(std::string_view(value).substr(start, end - start)) > limit) return true;
    if (end == std::string::npos) return false;
    start = end + separator.size();
  }
}

TLesniMnozina* SetOf(TElement* set) { return dynamic_cast<TLesniMnozina*>(set); }

}  // namespace

// The current elements of one line, found from the compartment down.
struct TImportStandardPP_FST::Walk {
  TImportStandardPP_FST& t;

  TOddeleni* Odd() {
    if (t.compartment_) return t.compartment_;
    if (t.JmenoTextFile == "LHC.FST") return nullptr;
    return dynamic_cast<TOddeleni*>(SetOf(t.unit_.LHC()->OddeleniMN())->AktualniPrvekVzdy());
  }
  TDilec* Dil() {
    TOddeleni* odd = Odd();
    return odd ? dynamic_cast<TDilec*>(odd->DilecMN()->AktualniPrvekVzdy()) : nullptr;
  }
  TPorost* Por() {
    TDilec* dil = Dil();
    return dil ? dynamic_cast<TPorost*>(dil->PorostMN()->AktualniPrvekVzdy()) : nullptr;
  }
  TPorostniSkupina* Psk() {
    TPorost* por = Por();
    return por ? dynamic_cast<TPorostniSkupina*>(por->PorostniSkupinaMN()->AktualniPrvekVzdy())
               : nullptr;
  }
  TEtaz* Etaz() {
    TPorostniSkupina* psk = Psk();
    return psk ? dynamic_cast<TEtaz*>(psk->EtazMN()->AktualniPrvekVzdy()) : nullptr;
  }
  TDrevina* Drv() {
    TEtaz* etaz = Etaz();
    if (!etaz) return nullptr;
    auto* set = SetOf(etaz->DrevinaMN());
    return set ? dynamic_cast<TDrevina*>(set->AktualniPrvek()) : nullptr;
  }
  TElement* Jp() {
    TPorost* por = Por();
    return por ? por->JinyPozemekMN()->AktualniPrvekVzdy() : nullptr;
  }
  TElement* Bzl() {
    TPorost* por = Por();
    return por ? por->BezlesiMN()->AktualniPrvekVzdy() : nullptr;
  }
  // The element of the file that takes the areal columns.
  TElement* Own() {
    if (t.JmenoTextFile == "JP.FST") return Jp();
    if (t.JmenoTextFile == "BZL.FST") return Bzl();
    if (t.JmenoTextFile == "PP.FST" || t.JmenoTextFile == "PSK.FST") return Psk();
    return nullptr;
  }

  void Apply(int act, const std::string& column, const std::string& value);
  void SetPassColumn(int act, const std::string& column, const std::string& value);
  void LoadPassColumn(int act, const std::string& column, const std::string& value);
  void Afforestation(int act, TEtaz& layer, const std::string& value);
};

void TImportStandardPP_FST::Walk::SetPassColumn(int act, const std::string& column,
                                                const std::string& value) {
  TLHC& lhc = *t.unit_.LHC();
  switch (act) {
    case kLhcKod:
      lhc.SetLHC_KOD(fst::Digits(fst::Blanks(value)));
      if (!t.PUVOD_DAT_PP.empty()) lhc.SetPUVOD_DAT(t.PUVOD_DAT_PP);
      return;
    case kLhcNaz:
      PutTextProperty(lhc, column, fst::CodePage(value));
      return;
    case kLhcText:
      PutTextProperty(lhc, column, fst::Text(value));
      return;
    case kLhcDigits:
      PutInt(lhc, column, fst::Digits(fst::Blanks(value)));
      return;
    case kLhcWhole:
      PutInt(lhc, column, WholeOrThrow(value));
      return;
    case kLhcDecimal:
      PutFloat(lhc, column, fst::Decimal(value));
      return;
    default:
      break;
  }
  TOddeleni* odd = Odd();
  if (!odd) return;
  switch (act) {
    case kOdd: {
      const int32_t number = WholeOrThrow(value);
      if (!t.NevytvaretNoveOddeleni && !t.compartment_) {
        TLesniMnozina* set = SetOf(t.unit_.LHC()->OddeleniMN());
        const std::string key = std::to_string(number);
        if (set->JmenoAktualnihoPrvku() != key) set->SetNovyPrvek(key);
        odd = Odd();
      }
      if (odd) PutInt(*odd, "ODD", number);
      return;
    }
    case kDil: {
      odd->DilecMN()->SetNovyNeboAktualniPrvek(fst::Text(value));
      if (TDilec* dil = Dil()) PutTextProperty(*dil, "DIL", fst::Text(value));
      return;
    }
    case kPor: {
      TDilec* dil = Dil();
      if (!dil) return;
      dil->PorostMN()->SetNovyNeboAktualniPrvek(fst::Text(value));
      if (TPorost* por = Por()) PutTextProperty(*por, "POR", fst::Text(value));
      return;
    }
    case kJp: {
      TPorost* por = Por();
      if (!por) return;
      if (por->POR().empty()) PutTextProperty(*por, "POR", "-");
      if (TDilec* dil = Dil(); dil && dil->DIL().empty()) PutTextProperty(*dil, "DIL", "-");
      por->JinyPozemekMN()->SetNovyPrvekVzdy(fst::Text(value));
      if (TElement* plot = por->JinyPozemekMN()->AktualniPrvek())
        PutInt(*plot, "JP", WholeOrThrow(value));
      return;
    }
    case kPsk: {
      TPorost* por = Por();
      if (!por) return;
      const std::string normalised = NormalizeGroupDesignation(fst::Text(value));
      por->PorostniSkupinaMN()->SetNovyNeboAktualniPrvek(normalised);
      if (TPorostniSkupina* psk = Psk()) PutTextProperty(*psk, "PSK", normalised);
      return;
    }
    case kBzl: {
      TPorost* por = Por();
      if (!por) return;
      por->BezlesiMN()->SetNovyPrvekVzdy(fst::Text(value));
      if (TElement* plot = por->BezlesiMN()->AktualniPrvek())
        PutInt(*plot, "BZL", WholeOrThrow(value));
      return;
    }
    case kEtaz: {
      TPorostniSkupina* psk = Psk();
      if (!psk) return;
      psk->EtazMN()->SetNovyNeboAktualniPrvek(fst::Text(value));
      if (TEtaz* etaz = Etaz()) PutTextProperty(*etaz, "ETAZ", fst::Text(value));
      return;
    }
    case kDrZkr: {
      TEtaz* etaz = Etaz();
      if (!etaz) return;
      TLesniMnozina* set = SetOf(etaz->DrevinaMN());
      if (!set) return;
      if (platform::Trim(value).empty()) {
        set->SetAktualniPrvek(nullptr);  // the species columns of this line are skipped
        return;
      }
      set->SetNovyPrvekVzdy(fst::Text(value));
      if (TElement* species = set->AktualniPrvek())
        PutTextProperty(*species, "DR_ZKR", fst::Text(value));
      return;
    }
    default:
      return;
  }
}

void TImportStandardPP_FST::Walk::Afforestation(int act, TEtaz& layer, const std::string& value) {
  TLesniMnozina* set = SetOf(layer.ZalesneniMN());
  if (!set) return;
  const std::string& sep = t.Oddelovac;
  switch (act) {
    case kZalDr: {
      if (value.empty()) return;
      const std::string text = fst::Text(value);
      set->RozlozJmena(text, sep);
      set->RozlozDoPrvku("ZAL_DR", text, sep);
      const std::vector<TElement*> rows = set->Prvky();
      if (rows.empty()) return;
      std::string kind = platform::Trim(rows.front()->GetPropertyText("ZAL_DRUH"));
      if (kind.empty()) kind = layer.GetPropertyText("ZAL_DRUH");
      set->NastavPropertyVsem("ZAL_DRUH", kind);
      return;
    }
    case kZalDruh: {
      if (value.empty()) return;
      if (set->PocetPrvku() == 0)
        PutTextProperty(layer, "ZAL_DRUH", fst::Text(value));
      else
        set->RozlozDoPrvku("ZAL_DRUH", fst::Text(value), sep);
      return;
    }
    case kZalP: {
      // Areas of several rows are split even though the whole text reads as no number.
      if (AnyPieceAbove(value, sep, 0.001)) set->RozlozDoPrvku("ZAL_P", fst::Text(value), sep);
      // A single area of several rows is spread over them by their shares; "0" leaves them.
      if (!value.empty() && (sep.empty() || value.find(sep) == std::string::npos) &&
          set->PocetPrvku() > 1 && fst::Decimal(value) > 0.001)
        PutFloat(*set, "PlochaZalesneni", fst::Decimal(value));
      return;
    }
    case kZalDrP: {
      const std::string text = platform::RemoveBlanks(fst::Text(value));
      if (text == "0" || text.empty()) return;
      set->RozlozDoPrvku("ZAL_DR_P", text, sep);
      PutTextProperty(*set, "PlochaZalesneni", set->GetPropertyText("PlochaZalesneni"));
      return;
    }
    default:
      return;
  }
}

void TImportStandardPP_FST::Walk::LoadPassColumn(int act, const std::string& column,
                                                 const std::string& value) {
  const std::string& sep = t.Oddelovac;
  switch (act) {
    case kStandText:
    case kStandOlh:
    case kStandWhole:
    case kStandWritten:
    case kStandPorText:
    case kStandSplit: {
      TPorost* por = Por();
      if (!por) return;
      if (act == kStandText) PutTextProperty(*por, column, fst::Text(value));
      if (act == kStandOlh) PutTextProperty(*por, "OLH_98n", fst::Text(value));
      if (act == kStandWhole) PutInt(*por, column, WholeOrThrow(value));
      if (act == kStandWritten) PutTextProperty(*por, column, fst::Text(value));
      if (act == kStandPorText && por->PorText().empty())
        por->PorText().push_back(fst::CodePage(value));
      if (act == kStandSplit) {
        TLesniMnozina* set = column == "KATEGORIE" ? por->Kategorie1MN() : por->Org_UrovenMN();
        if (!set) return;
        const std::string text = fst::Text(value);
        set->RozlozJmena(text, sep);
        set->RozlozDoPrvku(column, text, sep);
      }
      return;
    }
    case kOwner: {
      const int32_t number = WholeOrThrow(value);
      const bool jp_file = t.JmenoTextFile == "JP.FST";
      if (jp_file) {
        if (TElement* plot = Jp()) PutInt(*plot, column + "_JP", number);
      }
      if (!jp_file || t.OwnerOfOtherPlotsToStand) {
        if (TPorost* por = Por()) PutInt(*por, column, number);
      }
      if (t.JmenoTextFile == "BZL.FST") {
        if (TElement* plot = Bzl()) PutInt(*plot, column + "_BZL", number);
      }
      return;
    }
    case kArealWholeDigits:
    case kArealWhole: {
      TElement* own = Own();
      if (!own) return;
      PutInt(*own, column, act == kArealWhole ? WholeOrThrow(value) : fst::WholeDigits(value));
      return;
    }
    case kGroupDecimal:
    case kGroupText:
    case kGroupWhole:
    case kGroupCodePage:
    case kEtazText: {
      TPorostniSkupina* psk = Psk();
      if (!psk) return;
      if (act == kGroupDecimal) PutFloat(*psk, column, fst::Decimal(value));
      if (act == kGroupText) PutTextProperty(*psk, column, fst::Text(value));
      if (act == kGroupWhole) PutInt(*psk, column, WholeOrThrow(value));
      if (act == kGroupCodePage) psk->SetPSK_TEXT(fst::CodePage(value));
      if (act == kEtazText) psk->SetPSK_TEXT(psk->PSK_TEXT() + " ETÁŽ: " + fst::CodePage(value));
      return;
    }
    case kLayerDecimal:
    case kLayerWhole:
    case kLayerWholeDigits:
    case kLayerText:
    case kMzd:
    case kZalDr:
    case kZalDruh:
    case kZalP:
    case kZalDrP: {
      TEtaz* etaz = Etaz();
      if (!etaz) return;
      if (act == kLayerDecimal) PutFloat(*etaz, column, fst::Decimal(value));
      if (act == kLayerWhole) PutInt(*etaz, column, WholeOrThrow(value));
      if (act == kLayerWholeDigits) PutInt(*etaz, column, fst::WholeDigits(value));
      if (act == kLayerText) PutTextProperty(*etaz, column, fst::Text(value));
      if (act == kMzd) PutTextProperty(*etaz, "MZDs", platform::RemoveBlanks(fst::Text(value)));
      if (act >= kZalDr) Afforestation(act, *etaz, value);
      return;
    }
    case kSpeciesText:
    case kSpeciesWholeDigits:
    case kSpeciesWhole:
    case kSpeciesZasTab:
    case kPoskozD:
    case kPoskozR: {
      TDrevina* drv = Drv();
      if (!drv) return;
      if (act == kSpeciesText) PutTextProperty(*drv, column, fst::Text(value));
      if (act == kSpeciesWholeDigits) PutInt(*drv, column, fst::WholeDigits(value));
      if (act == kSpeciesWhole) PutInt(*drv, column, WholeOrThrow(value));
      if (act == kSpeciesZasTab) PutInt(*drv, "ZAS_TAB_HA", WholeOrThrow(value));
      if ((act == kPoskozD || act == kPoskozR) && !value.empty()) {
        TLesniMnozina* set = SetOf(drv->PoskozeniMN());
        if (!set) return;
        const std::string text = fst::Text(value);
        if (act == kPoskozD) {
          set->RozlozJmena(text, sep);
          set->RozlozDoPrvku("POSKOZ_D", text, sep);
        } else {
          try {
            set->RozlozDoPrvku("POSKOZ_R10", text, sep);
          } catch (const std::exception&) {
            platform::ui().ShowMessage("Chyba při načítání POSKOZ_R10.=\"" + text + "\"",
                                       platform::Severity::kPassedOver);
          }
        }
      }
      return;
    }
    case kJpText:
    case kJpDecimal:
    case kJpDruhPoz:
    case kJpCodePage: {
      if (act == kJpDruhPoz && t.JmenoTextFile != "JP.FST") return;
      TElement* plot = Jp();
      if (!plot) return;
      if (act == kJpText || act == kJpDruhPoz) PutTextProperty(*plot, column, fst::Text(value));
      if (act == kJpDecimal) PutFloat(*plot, column, fst::Decimal(value));
      if (act == kJpCodePage) PutTextProperty(*plot, column, fst::CodePage(value));
      return;
    }
    case kBzlDecimal:
    case kBzlCodePage: {
      TElement* plot = Bzl();
      if (!plot) return;
      if (act == kBzlDecimal) PutFloat(*plot, column, fst::Decimal(value));
      if (act == kBzlCodePage) PutTextProperty(*plot, column, fst::CodePage(value));
      return;
    }
    default:
      return;
  }
}

void TImportStandardPP_FST::Walk::Apply(int act, const std::string& column,
                                        const std::string& value) {
  try {
    if (t.Nastavuj)
      SetPassColumn(act, column, value);
    else
      LoadPassColumn(act, column, value);
  } catch (const std::exception&) {
    platform::ui().ShowMessage(
        "chyba při načítaní elementu \"" + column + "\" recursorem \"" + t.JmenoTextFile + "\"",
        platform::Severity::kPassedOver);
  }
}

void TImportStandardPP_FST::Execute(const FstLineDecoder& line) {
  const std::vector<std::string>& columns = line.columns();
  if (header_ != &line || actions_.size() != columns.size()) {
    header_ = &line;
    actions_.clear();
    for (const std::string& column : columns) {
      auto it = Actions().find(platform::Trim(column));
      actions_.push_back(it == Actions().end() ? kNone : it->second);
    }
  }
  const std::vector<std::string>& values = line.values();
  Walk walk{*this};
  for (size_t i = 0; i < columns.size() && i < values.size(); ++i) {
    const int act = actions_[i];
    if (act == kNone || SetPass(act) != Nastavuj) continue;
    walk.Apply(act, platform::Trim(columns[i]), values[i]);
  }
}

}  // namespace tarnik::plan
