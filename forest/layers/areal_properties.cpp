#include "forest/layers/areal_properties.h"

#include "forest/layers/layer_rules.h"
#include "forest/layers/multi_value.h"
#include "forest/layers/owner_names.h"
#include "forest/layers/protection_names.h"
#include "forest/layers/protection_text.h"
#include "forest/layers/statuses.h"
#include "framework/property_text.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using E = TObecnyLesniPrvek;

template <class S>
S* SetOf(E& element, const char* property) {
  return dynamic_cast<S*>(framework::GetPropertyObject(&element, property));
}

void DefineCodeList(framework::TPropDefs<E>& d, const std::string& code) {
  const std::string set_name = code + "_KODmn";
  const auto set_of = [set_name](E& e) { return SetOf<TNasobnyMN>(e, set_name.c_str()); };
  d.String((code + "_KOD").c_str(),
           [set_of](E& e) {
             TNasobnyMN* set = set_of(e);
             return set ? set->Forma("$") : std::string();
           },
           nullptr);
  d.String((code + "_KOD_XML").c_str(),
           [set_of](E& e) {
             TNasobnyMN* set = set_of(e);
             return set ? set->FormaXml() : std::string("0");
           },
           [set_of](E& e, const std::string& text) {
             if (TNasobnyMN* set = set_of(e)) set->NastavFormuXml(text, true);
           });
  d.String((code + "_KODLom").c_str(),
           [set_of](E& e) {
             TNasobnyMN* set = set_of(e);
             return set ? set->Forma("/") : std::string();
           },
           [set_of](E& e, const std::string& text) {
             if (TNasobnyMN* set = set_of(e)) set->NastavFormu(text, "/", true);
           });
}

TNasobnyMN* Owners(E& e) { return SetOf<TNasobnyMN>(e, "Nasobny_VlastnikMN"); }

std::string OwnersForm(E& e, const char* separator) {
  TNasobnyMN* set = Owners(e);
  return set ? set->Forma(separator) : std::string();
}

void SetOwnersForm(E& e, const std::string& text, const char* separator) {
  if (TNasobnyMN* set = Owners(e)) set->NastavFormu(text, separator, false);
}

TZvlStMN* Statuses(E& e) { return SetOf<TZvlStMN>(e, "ZvlStMN"); }
TKategorie1MN* Categories(E& e) { return SetOf<TKategorie1MN>(e, "Kategorie1MN"); }
TOrg_UrovenMN* Levels(E& e) { return SetOf<TOrg_UrovenMN>(e, "Org_UrovenMN"); }

}  // namespace

void DefineArealCodeProperties(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<E> d(out);
  for (const char* code : {"EVL", "NPP", "NPR"}) DefineCodeList(d, code);
  d.String(
      "CISLO_TEL_XML",
      [](E& e) {
        const std::string form = OwnersForm(e, "$");
        return form.empty() ? std::string("0") : form;
      },
      [](E& e, const std::string& text) { SetOwnersForm(e, text, "$"); });
  d.String(
      "CISLO_TEL_Lom", [](E& e) { return OwnersForm(e, "/"); },
      [](E& e, const std::string& text) { SetOwnersForm(e, text, "/"); });
  d.String("PridejCislo_TEL", nullptr, [](E& e, const std::string& text) {
    if (TNasobnyMN* set = Owners(e)) set->Pridej(text);
  });
  d.String(
      "OCHR_PRIR", [](E& e) { return OchranaPrirodyText(e); },
      [](E& e, const std::string& text) { SetOchranaPrirodyText(e, text); });
  d.String(
      "OCHR_PRIR_Nazvy", [](E& e) { return OchranaPrirodyNazvy(e); }, nullptr);
  d.Integer(
      "OCHR_PRIR_pocet_RadkuProTisk", [](E& e) { return OchranaPrirodyPocetRadku(e); }, nullptr);
  d.String(
      "ChybaVOchrPrir", [](E& e) { return ChybaVOchranePrirody(e); }, nullptr);
}

void DefinePlotCodeProperties(std::vector<framework::TPropInfo>& out, const std::string& suffix) {
  framework::TPropDefs<E> d(out);
  d.String(("CISLO_TEL_" + suffix).c_str(), [](E& e) { return OwnersForm(e, "/"); },
           [](E& e, const std::string& text) { SetOwnersForm(e, text, "/"); });
  d.String(("OCHR_PRIR_" + suffix).c_str(), [](E& e) { return OchranaPrirodyText(e); },
           [](E& e, const std::string& text) { SetOchranaPrirodyText(e, text); });
}

void DefineStandListProperties(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<E> d(out);
  d.String(
      "ZVL_STATUT_XML",
      [](E& e) {
        TZvlStMN* set = Statuses(e);
        return set ? set->ZVL_STATUT_XML() : std::string();
      },
      [](E& e, const std::string& text) {
        if (TZvlStMN* set = Statuses(e)) set->SetZVL_STATUT_XML(text);
      });
  d.String(
      "ZVL_STATUTLom",
      [](E& e) {
        TZvlStMN* set = Statuses(e);
        return set ? set->SpojHodnotyProperty("ZVL_STATUT", "/") : std::string();
      },
      nullptr);
  d.String("ZVL_ST_Pridej", nullptr, [](E& e, const std::string& text) {
    const std::string code = platform::RemoveBlanks(text);
    TZvlStMN* set = Statuses(e);
    if (code.empty() || !set) return;
    set->SetNovyPrvek(code);
    if (auto* status = dynamic_cast<TZvlSt*>(set->AktualniPrvek())) status->SetZVL_STATUT(code);
  });
  d.String(
      "HlavniZVL_STATUT",
      [](E& e) {
        TZvlStMN* set = Statuses(e);
        if (!set || set->PocetPrvku() == 0) return std::string();
        return static_cast<TZvlSt*>(set->Prvky().front())->ZVL_STATUT();
      },
      nullptr);
  d.String(
      "ZVL_STATUT_nazev",
      [](E& e) {
        TZvlStMN* set = Statuses(e);
        return set ? set->SpojHodnotyProperty("ZVL_STATUT_nazevZkr", "/") : std::string();
      },
      nullptr);
  d.String(
      "HlavniKATEGORIE",
      [](E& e) {
        TKategorie1MN* set = Categories(e);
        return set ? set->HlavniKATEGORIE() : std::string();
      },
      nullptr);
  d.String(
      "CisHlKATEG",
      [](E& e) {
        TKategorie1MN* set = Categories(e);
        return set ? MainCategoryNumber(set->HlavniKATEGORIE()) : std::string();
      },
      nullptr);
  d.String(
      "ORG_UROVEN",
      [](E& e) {
        TOrg_UrovenMN* set = Levels(e);
        return set ? set->ORG_UROVEN() : std::string();
      },
      [](E& e, const std::string& text) {
        if (TOrg_UrovenMN* set = Levels(e)) set->SetORG_UROVEN(text);
      });
  for (int k = 1; k <= 3; ++k) {
    const std::string name = "ORG_UROVEN" + std::to_string(k);
    d.String(
        name.c_str(),
        [k](E& e) {
          TOrg_UrovenMN* set = Levels(e);
          return set ? set->Uroven(k) : std::string();
        },
        [k](E& e, const std::string& text) {
          if (TOrg_UrovenMN* set = Levels(e)) set->SetUroven(k, text);
        });
    d.String((name + "_nazev").c_str(),
             [k](E& e) {
               TOrg_UrovenMN* set = Levels(e);
               const std::string code = set ? set->Uroven(k) : std::string();
               return JmenoOrgUrovne(e, k, code);
             },
             nullptr);
  }
}

}  // namespace tarnik::plan
