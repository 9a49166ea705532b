#include "forest/layers/layer_reports.h"

#include <string>

#include "forest/codelists/cisel_kelva.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/mzd_table.h"
#include "forest/layers/owner_names.h"
#include "forest/layers/species_values.h"
#include "forest/layers/tree_species.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using P = TEtaz;
constexpr double kMinArea = 0.005;

std::vector<TDrevina*> Species(P& p) {
  std::vector<TDrevina*> out;
  for (framework::TElement* element : p.DrevinaMN()->Prvky())
    if (auto* species = dynamic_cast<TDrevina*>(element)) out.push_back(species);
  return out;
}

double Area(P& p, const std::string& kind) { return FloatProperty(&p, kind + "_P"); }

// A code-list name without the markers of a missing list or code.
std::string NameOnly(P& p, const char* property) {
  const std::string name = platform::Trim(p.GetPropertyText(property));
  return !name.empty() && name[0] == '*' ? std::string() : name;
}

// ",BR,JD," → "BR, JD".
std::string SpeciesList(const std::string& text) {
  std::vector<std::string> codes;
  for (const std::string& piece : platform::Split(text, ','))
    if (!platform::Trim(piece).empty()) codes.push_back(platform::Trim(piece));
  return platform::Join(codes, ", ");
}

bool AnySpecies(P& p, const char* mark) {
  for (TDrevina* species : Species(p))
    if (species->GetPropertyBoolean(mark)) return true;
  return false;
}

}  // namespace

void DefineLayerReportProperties(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<P> d(out);
  // The urgency of an intervention that is planned (area above 0.005 ha).
  for (const char* kind : {"PRO", "TV", "TO", "TVYB"}) {
    const std::string k = kind;
    d.String((k + "_NAL_HOSP").c_str(),
             [k](P& p) {
               return Area(p, k) > kMinArea ? platform::Trim(p.GetPropertyText(k + "_NAL"))
                                            : std::string();
             },
             nullptr);
  }
  d.String(
      "PlanovanyZasah",
      [](P& p) {
        switch (p.DruhVykonu()) {
          case 10:
            return "TO " + Fixed2Dot(Area(p, "TO"));
          case 11:
            return "TV " + Fixed2Dot(Area(p, "TV"));
          case 12:
            return "PRO " + Fixed2Dot(Area(p, "PRO"));
          default:
            return std::string();
        }
      },
      nullptr);
  d.String(
      "ZalesneniDoPece",
      [](P& p) {
        std::vector<std::string> rows;
        for (TZalesneni* row : p.ZalesneniMN()->Rows())
          rows.push_back(platform::Trim(row->ZAL_DR()) + " " + std::to_string(row->ZAL_DR_P()) +
                         "%");
        return platform::Join(rows, ", ");
      },
      nullptr);
  d.String(
      "PopisZast",
      [](P& p) {
        std::vector<std::string> parts;
        for (TDrevina* species : Species(p))
          parts.push_back(platform::Trim(species->DR_ZKR()) + " " +
                          std::to_string(species->ZAST()));
        return platform::Join(parts, ", ");
      },
      nullptr);
  d.String(
      "PopisBonVekZakmZast",
      [](P& p) {
        std::vector<std::string> parts;
        for (TDrevina* species : Species(p))
          parts.push_back(platform::Trim(species->DR_ZKR()) + " " +
                          std::to_string(species->ZAST()) + " bon " +
                          species->GetPropertyText("BON_A"));
        return "věk " + std::to_string(p.VEK()) + ", zakm. " + std::to_string(p.ZAKM()) + ": " +
               platform::Join(parts, ", ");
      },
      nullptr);
  d.String(
      "VsechnyMZDr",
      [](P& p) {
        return SpeciesList(
            NajdiRadekMZD(TextProperty(p.Skupina(), "LT"), p.DrevinaSMaxZast()).species);
      },
      nullptr);
  d.String(
      "ZAL_DRUH_JenomNazev", [](P& p) { return NameOnly(p, "ZAL_DRUH_nazev"); }, nullptr);
  d.String(
      "TO_ZPUSOB_JenomNazev", [](P& p) { return NameOnly(p, "TO_ZPUSOB_nazev"); }, nullptr);
  d.String(
      "ZAL_DRUH_Sumav",
      [](P& p) {
        const std::string kind = platform::Trim(p.ZAL_DRUH());
        if (kind.empty()) return std::string();
        const std::string name = NameOnly(p, "ZAL_DRUH_nazev");
        return name.empty() ? kind : kind + " - " + name;
      },
      nullptr);
  d.Integer(
      "PocetRadkuDrevVcetnePoskozeni",
      [](P& p) {
        int32_t rows = 0;
        for (TDrevina* species : Species(p)) rows += 1 + species->PoskozeniMN()->PocetPrvku();
        return rows;
      },
      nullptr);

  // Values from the unit's management-set list and thinning rules.
  d.Integer(
      "HSdleDAZIviNas",
      [](P& p) {
        TObecnyLesniPrvek* group = p.Skupina();
        auto* stand = group ? group->VlastnikTridy<TPorost>() : nullptr;
        const int32_t target = IntProperty(stand, "Cil_HS");
        return target != 0 ? target : p.GetPropertyInteger("HS");
      },
      nullptr);
  d.Integer(
      "HSdleDAZIviNasStary", [](P& p) { return p.GetPropertyInteger("HS"); }, nullptr);
  d.Integer(
      "zasahDlePHS",
      [](P& p) {
        const std::string dominant = p.DrevinaSMaxZast();
        for (TDrevina* species : Species(p))
          if (species->DR_ZKR() == dominant) return ProcentoTVDlePravidel(*species);
        return 0;
      },
      nullptr);
  d.String(
      "HS_JdeDoSestavDTO",
      [](P& p) {
        TCiselKelva* kelva = CiselKelvaOf(p);
        if (!kelva) return std::string();
        auto* entry =
            kelva->CisHsMN()->PrvekPodleHodnotyProperty("CISLO_HS", p.GetPropertyText("HS"));
        return entry ? entry->GetPropertyText("JdeDoSestavDTO") : std::string();
      },
      nullptr);
  // Layers of veteran trees and the other lettered special layers.
  d.Boolean(
      "JeIndex_vxyz",
      [](P& p) {
        const std::string key = platform::Trim(p.ETAZ());
        return key == "v" || key == "x" || key == "y" || key == "z";
      },
      nullptr);
  d.Boolean(
      "ExistujeJedinaProTO_P", [](P& p) { return AnySpecies(p, "JedinaProTO_P"); }, nullptr);
  d.Boolean(
      "ExistujeJedinaProTV_P", [](P& p) { return AnySpecies(p, "JedinaProTV_P"); }, nullptr);
}

}  // namespace tarnik::plan
