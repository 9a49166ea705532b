#include "testing/fst_unit_writer.h"

#include <string>
#include <vector>

#include "forest/codelists/cisel_kelva.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/statuses.h"
#include "forest/layers/tree_species.h"
#include "forest/unit/lesni_celek.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "testing/fst_writer.h"
#include "testing/test_env.h"

namespace tarnik::testing {
namespace {

using framework::TElement;
using plan::TLesniMnozina;

const std::vector<std::string> kStandColumns = {"LHC_KOD",    "ODD",      "DIL",      "POR",
                                                "SDR_POR",    "MAJ_KOD",  "MAJ_DRUH", "ORG_UROVEN",
                                                "KATEGORIE",  "KAT_SPEC", "PAS_OHR",  "LES_OBL",
                                                "ZVL_STATUT", "OLH",      "POR_TEXT"};
const std::vector<std::string> kGroupColumns = {
    "PSK", "PSK_P0", "PSK_V",   "PSK_P",    "KVAL_P",  "KU_KOD", "LES_URAD", "KAT_PAR_KOD",
    "SLT", "LT",     "TER_TYP", "PRIB_VZD", "HOSP_ZP", "DAN",    "PSK_TEXT"};
const std::vector<std::string> kLayerColumns = {
    "ETAZ",       "ETAZ_PS",   "ETAZ_PP", "HS",       "OBMYTI",     "OBN_DOBA",
    "POC_OBNOVY", "MZD",       "VEK",     "ZAKM",     "M_Z_ZASOBY", "HOSP_TV",
    "M_TEZ_PROC", "ODVOZ_TEZ", "PRO_P",   "PRO_NAL",  "PRO_POC",    "TV_P",
    "TV_NAL",     "TV_POC",    "TO_P",    "TO_NAL",   "TO_DUVOD",   "TO_ZPUSOB",
    "TVYB_P",     "TVYB_NAL",  "ZAL_DR",  "ZAL_DRUH", "ZAL_P",      "ZAL_DR_P"};
const std::vector<std::string> kSpeciesColumns = {
    "DR_ZKR",   "DR_PUVOD", "ZAST",       "VYSKA",     "TLOUSTKA",   "BON_A",   "BON_R",
    "GEN_KLAS", "VYB_STR",  "DR_ZAS_TAB", "DR_ZAS_HA", "DR_ZAS_CEL", "DR_KVAL", "IMISE",
    "DR_TV",    "DR_TO",    "DR_TVYB",    "PROC_SOUS", "POSKOZ_D",   "POSKOZ_R"};
const std::vector<std::string> kPlotColumns = {
    "ODD", "DIL", "POR", "MAJ_KOD", "MAJ_DRUH", "KU_KOD", "LES_URAD", "KVAL_P", "KAT_PAR_KOD"};

std::vector<TElement*> Elements(TElement* set) {
  auto* s = dynamic_cast<TLesniMnozina*>(set);
  return s ? s->Prvky() : std::vector<TElement*>();
}

// A property as the files hold it: decimal numbers with ".".
std::string Value(TElement& element, const std::string& property) {
  std::string text = element.GetPropertyText(property);
  bool number = !text.empty();
  for (char c : text) number = number && ((c >= '0' && c <= '9') || c == ',' || c == '-');
  if (number) {
    for (char& c : text) {
      if (c == ',') c = '.';
    }
  }
  return text;
}

std::string Joined(TElement* set, const std::string& property) {
  std::string out;
  bool first = true;
  for (TElement* e : Elements(set)) {
    if (!first) out += "$";
    out += Value(*e, property);
    first = false;
  }
  return out;
}

struct Writer {
  FstTable pp, bzl, jp, owners;
  int32_t lhc_kod = 0;

  // The owners as the stands name them, each once.
  void Owner(plan::TPorost& por) {
    const FstRow row = {Value(por, "MAJ_KOD"), Value(por, "MAJ_DRUH"), Value(por, "MAJ_NAZ"),
                        Value(por, "OLH_98n")};
    for (const FstRow& known : owners.rows) {
      if (known[0] == row[0] && known[1] == row[1]) return;
    }
    owners.rows.push_back(row);
  }

  void Stand(plan::TOddeleni& odd, plan::TDilec& dil, plan::TPorost& por, FstRow& row) {
    row.push_back(std::to_string(lhc_kod));
    row.push_back(std::to_string(odd.ODD()));
    row.push_back(dil.DIL());
    row.push_back(por.POR());
    for (const char* c : {"SDR_POR", "MAJ_KOD", "MAJ_DRUH"}) row.push_back(Value(por, c));
    row.push_back(Joined(por.Org_UrovenMN(), "ORG_UROVEN"));
    row.push_back(Joined(por.Kategorie1MN(), "KATEGORIE"));
    for (const char* c : {"KAT_SPEC", "PAS_OHR", "LES_OBL"}) row.push_back(Value(por, c));
    row.push_back(Joined(por.ZvlStMN(), "ZVL_STATUT"));
    row.push_back(Value(por, "OLH_98n"));
    row.push_back(por.PorText().empty() ? std::string() : platform::Join(por.PorText(), " "));
  }

  void Plots(plan::TOddeleni& odd, plan::TDilec& dil, plan::TPorost& por) {
    for (TElement* plot : Elements(por.BezlesiMN())) {
      FstRow row = {std::to_string(odd.ODD()), dil.DIL(), por.POR()};
      for (const char* c : {"MAJ_KOD", "MAJ_DRUH"}) row.push_back(Value(por, c));
      for (const char* c : {"KU_KOD_BZL", "LES_URAD_BZL", "KVAL_P_BZL"})
        row.push_back(Value(*plot, c));
      row.push_back(Value(*plot, "KAT_PAR_KOD"));
      for (const char* c : {"BZL", "BZL_P0", "BZL_V", "BZL_P", "BZL_VYUZ", "BZL_DRUH"})
        row.push_back(Value(*plot, c));
      bzl.rows.push_back(row);
    }
    for (TElement* plot : Elements(por.JinyPozemekMN())) {
      FstRow row = {std::to_string(odd.ODD()), dil.DIL(), por.POR()};
      for (const char* c : {"MAJ_KOD", "MAJ_DRUH"}) row.push_back(Value(por, c));
      for (const char* c : {"KU_KOD_JP", "LES_URAD_JP", "KVAL_P_JP"})
        row.push_back(Value(*plot, c));
      row.push_back(Value(*plot, "KAT_PAR_KOD"));
      for (const char* c :
           {"JP", "JP_PUPFL", "JP_P0", "JP_V", "JP_P", "DRUH_POZ", "JP_VYUZ", "JP_DRUH"})
        row.push_back(Value(*plot, c));
      jp.rows.push_back(row);
    }
  }

  void Compartment(plan::TOddeleni& odd) {
    for (TElement* d : Elements(odd.DilecMN())) {
      auto& dil = dynamic_cast<plan::TDilec&>(*d);
      for (TElement* p : Elements(dil.PorostMN())) {
        auto& por = dynamic_cast<plan::TPorost&>(*p);
        FstRow stand;
        Stand(odd, dil, por, stand);
        Owner(por);
        for (TElement* g : Elements(por.PorostniSkupinaMN())) {
          auto& psk = dynamic_cast<plan::TPorostniSkupina&>(*g);
          FstRow group = stand;
          for (const std::string& c : kGroupColumns) {
            if (c == "PSK")
              group.push_back(psk.PSK());
            else if (c == "PSK_TEXT")
              group.push_back(psk.PSK_TEXT());
            else if (c == "PSK_P0")
              group.push_back(Value(psk, "Plocha0"));
            else
              group.push_back(Value(psk, c));
          }
          for (TElement* l : Elements(psk.EtazMN())) {
            auto& etaz = dynamic_cast<plan::TEtaz&>(*l);
            FstRow layer = group;
            for (const std::string& c : kLayerColumns) {
              if (c == "ZAL_DR" || c == "ZAL_DRUH" || c == "ZAL_P" || c == "ZAL_DR_P") {
                std::string joined = Joined(etaz.ZalesneniMN(), c);
                if (c == "ZAL_DRUH" && joined.empty()) joined = Value(etaz, "ZAL_DRUH");
                layer.push_back(joined);
              } else if (c == "MZD") {
                layer.push_back(Value(etaz, "MZDs"));
              } else {
                layer.push_back(Value(etaz, c));
              }
            }
            std::vector<TElement*> species = Elements(etaz.DrevinaMN());
            if (species.empty()) {
              pp.rows.push_back(layer);
              continue;
            }
            for (TElement* s : species) {
              FstRow row = layer;
              for (const std::string& c : kSpeciesColumns) {
                if (c == "DR_ZAS_TAB")
                  row.push_back(Value(*s, "ZAS_TAB_HA"));
                else if (c == "POSKOZ_D")
                  row.push_back(Joined(dynamic_cast<plan::TDrevina&>(*s).PoskozeniMN(), c));
                else if (c == "POSKOZ_R")
                  row.push_back(
                      Joined(dynamic_cast<plan::TDrevina&>(*s).PoskozeniMN(), "POSKOZ_R10"));
                else if (c == "DR_ZKR")
                  row.push_back(platform::Trim(Value(*s, c)));
                else
                  row.push_back(Value(*s, c));
              }
              pp.rows.push_back(row);
            }
          }
        }
        Plots(odd, dil, por);
      }
    }
  }
};

void CodeList(const std::string& path, const std::string& name, TElement* set,
              const std::vector<std::string>& columns) {
  FstTable table;
  table.columns = columns;
  for (TElement* e : Elements(set)) {
    FstRow row;
    for (const std::string& c : columns) row.push_back(Value(*e, c));
    table.rows.push_back(row);
  }
  WriteFstCodeList(path, name, table);
}

}  // namespace

void WriteUnitFstForm(plan::TLesniCelek& unit, const std::string& dir) {
  platform::ForceDirectories(dir);
  Writer w;
  plan::TLHC& lhc = *unit.LHC();
  w.lhc_kod = lhc.LHC_KOD();
  w.pp.columns = kStandColumns;
  for (const auto* list : {&kGroupColumns, &kLayerColumns, &kSpeciesColumns})
    w.pp.columns.insert(w.pp.columns.end(), list->begin(), list->end());
  w.bzl.columns = kPlotColumns;
  for (const char* c : {"BZL", "BZL_P0", "BZL_V", "BZL_P", "BZL_VYUZ", "BZL_DRUH"})
    w.bzl.columns.push_back(c);
  w.jp.columns = kPlotColumns;
  for (const char* c :
       {"JP", "JP_PUPFL", "JP_P0", "JP_V", "JP_P", "DRUH_POZ", "JP_VYUZ", "JP_DRUH"})
    w.jp.columns.push_back(c);
  for (bool more = lhc.Oddeleni() != nullptr; more;
       more = !unit.JeKonec() && unit.NactiDalsiOddeleni(false)) {
    w.Compartment(*lhc.Oddeleni());
  }
  WriteFstData(platform::JoinPath(dir, "PP.FST"), w.pp);
  WriteFstData(platform::JoinPath(dir, "BZL.FST"), w.bzl);
  WriteFstData(platform::JoinPath(dir, "JP.FST"), w.jp);

  FstTable header;
  header.columns = {"LHC_KOD",  "LHC_NAZ",    "LHP_OD",  "LHP_DO",    "LHP_Z_OD",
                    "LHP_Z_DO", "LHP_Z_TAX",  "LHP_TAX", "LHP_LIC",   "LHP_Z_LIC",
                    "ETAT",     "ETAT_TV",    "ETAT_TO", "ETAT_TVYB", "TEZ_PROC",
                    "NOR_PAS",  "LHC_PN_PRO", "LHC_IND", "LHC_MAX",   "MVYCH_DO40"};
  FstRow row;
  for (const std::string& c : header.columns) row.push_back(Value(lhc, c));
  header.rows.push_back(row);
  WriteFstData(platform::JoinPath(dir, "LHC.FST"), header);
  WriteFile(platform::JoinPath(dir, "KATALOG.FST"), "2000\r\n");

  plan::TCiselKelva& kelva = *unit.CiselKelva();
  CodeList(platform::JoinPath(dir, "Cis_051.FST"), "Hospodářské soubory", kelva.CisHsMN(),
           {"LHC_KOD", "CISLO_HS", "NAZEV_HS", "HOSP_ZP", "OBMYTI", "OBN_DOBA", "JdeDoSestavDTO",
            "MZD", "ODVOZ_TEZ"});
  CodeList(platform::JoinPath(dir, "Cis_052.FST"), "Organizační úroveň 1", kelva.OrgUrMN(1),
           {"LHC_KOD", "Kod", "Popis"});
  CodeList(platform::JoinPath(dir, "Cis_053.FST"), "Organizační úroveň 2", kelva.OrgUrMN(2),
           {"LHC_KOD", "Kod", "Popis"});
  CodeList(platform::JoinPath(dir, "Cis_054.FST"), "Odborní lesní hospodáři", kelva.OLHMN(),
           {"LHC_KOD", "KOD", "JMENO", "OKR_URAD", "CIS_LIC"});
  CodeList(platform::JoinPath(dir, "Cis_055.FST"), "Katastry", kelva.katastryMN(),
           {"Kod", "Popis"});
  w.owners.columns = {"MAJ_KOD", "MAJ_DRUH", "MAJ_NAZ", "OLH"};
  WriteFstData(platform::JoinPath(dir, "Maj.FST"), w.owners);
}

}  // namespace tarnik::testing
