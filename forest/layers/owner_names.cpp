#include "forest/layers/owner_names.h"

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/layer_base.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

tciselnik* LcrContainer(TObecnyLesniPrvek& element) {
  tciselnik* container = element.Ciselnik();
  return container && container->HasLcrSource() ? container : nullptr;
}

// The value of `result` of the element of `set` whose `key` is `code`; nullopt when the set is
// missing or empty (the code lists answer then).
std::optional<std::string> FromKelvaList(TLesniMnozina* set, const std::string& key,
                                         const std::string& code, const std::string& result) {
  if (!set || set->PocetPrvku() == 0) return std::nullopt;
  return set->HodnotaPodleKlice(key, code, result);
}

TOLHMN* Managers(TObecnyLesniPrvek& element) {
  TCiselKelva* kelva = CiselKelvaOf(element);
  return kelva ? kelva->OLHMN() : nullptr;
}

std::string Olh98(TPorost& stand) {
  const std::optional<std::string> assigned = OLHDleVlastnika(stand);
  if (assigned && !platform::Trim(*assigned).empty()) return *assigned;
  return stand.OLH_98n();
}

// The manager's licence: the code list's, else the manager list's, else the one read with the
// stand; empty for a blank code.
std::string ManagerLicence(TPorost& stand) {
  const std::string code = platform::Trim(Olh98(stand));
  if (code.empty()) return "";
  if (tciselnik* container = stand.Ciselnik()) {
    CodeLists& lists = container->Lists();
    if (lists.Contains("tb_OLH", code, false, "Kod"))
      return lists.Description("tb_OLH", code, "OLH_LIC", "Kod");
  }
  if (TOLHMN* managers = Managers(stand)) {
    if (auto* entry = managers->PrvekPodleHodnotyProperty("KOD", code)) {
      const std::string licence = entry->GetPropertyText("CIS_LIC");
      if (!platform::Trim(licence).empty()) return licence;
    }
  }
  return stand.OLH_LIC();
}

void SetOlhXml(TPorost& stand, const std::string& text) {
  const std::string code = platform::Trim(text);
  stand.SetOLH_98n(code);
  TOLHMN* managers = Managers(stand);
  if (!managers || code.empty()) return;
  managers->SetNovyPrvek(code);
  framework::TElement* created = managers->AktualniPrvek();
  if (!created) return;  // the manager is listed already
  created->SetPropertyText("KOD", code);
  created->SetPropertyText("CIS_LIC", stand.OLH_LIC());
}

void SetMajNazXml(TPorost& stand, const std::string& name) {
  TCiselKelva* kelva = CiselKelvaOf(stand);
  if (!kelva) return;
  TmajetkyMN* owners = kelva->majetkyMN();
  owners->SetNovyPrvek(std::to_string(stand.MAJ_KOD()));
  framework::TElement* created = owners->AktualniPrvek();
  if (!created) return;  // the owner is listed already
  created->SetPropertyText("MAJ_KOD_C", std::to_string(stand.MAJ_KOD()));
  created->SetPropertyText("MAJ_DRUH_C", std::to_string(stand.MAJ_DRUH()));
  created->SetPropertyText("MAJ_NAZ_C", name);
}

}  // namespace

StandRef StandRefOf(TPorost& stand) {
  StandRef ref;
  if (auto* compartment = stand.VlastnikTridy<TOddeleni>())
    ref.odd = std::to_string(compartment->ODD());
  if (auto* dilec = stand.VlastnikTridy<TDilec>()) ref.dil = dilec->DIL();
  ref.por = stand.POR();
  return ref;
}

TCiselKelva* CiselKelvaOf(TObecnyLesniPrvek& element) {
  return dynamic_cast<TCiselKelva*>(element.ciselKelvaOwnEnt());
}

std::string JmenoVlastnika(TObecnyLesniPrvek& element, int32_t maj_druh, int32_t maj_kod) {
  const std::string code = std::to_string(maj_kod);
  if (tciselnik* container = LcrContainer(element))
    return container->LcrJmenoVlastnika(code, std::to_string(maj_druh));
  TCiselKelva* kelva = CiselKelvaOf(element);
  if (kelva) {
    if (auto name = FromKelvaList(kelva->majetkyMN(), "MAJ_KOD_C", code, "MAJ_NAZ_C")) return *name;
  }
  if (!element.Ciselnik() && !kelva) return "Jak muze byt tady nil???";
  return CodeListName(element, "tb_Majetky", code, "MAJ_NAZ", "MAJ_KOD");
}

std::string JmenoOrgUrovne(TObecnyLesniPrvek& element, int level, const std::string& code) {
  if (tciselnik* container = LcrContainer(element)) return container->LcrOrgUroven(code, level);
  if (TCiselKelva* kelva = CiselKelvaOf(element)) {
    if (auto name = FromKelvaList(kelva->OrgUrMN(level), "KOD", code, "POPIS")) return *name;
  }
  return CodeListName(element, "Tb_OrgUr" + std::to_string(level), code, "POPIS", "Kod");
}

std::string JmenoOLH(TObecnyLesniPrvek& element, const std::string& code) {
  if (tciselnik* container = LcrContainer(element)) return container->LcrJmenoOLH(code);
  return JmenoOLHZeSeznamu(element, code);
}

std::string JmenoOLHZeSeznamu(TObecnyLesniPrvek& element, const std::string& code) {
  if (auto name = FromKelvaList(Managers(element), "KOD", code, "JMENO")) return *name;
  return CodeListName(element, "tb_OLH", code, "POPIS", "Kod");
}

std::optional<std::string> OLHDleVlastnika(TPorost& stand) {
  TCiselKelva* kelva = CiselKelvaOf(stand);
  if (!kelva) return std::nullopt;
  const std::string manager =
      kelva->OLHVlastnika(stand.MAJ_DRUH(), stand.MAJ_KOD(), StandRefOf(stand), "");
  // The owner list keeps manager codes as numbers: 0 is an owner without a manager.
  return platform::Trim(manager) == "0" ? std::string() : manager;
}

void DefineStandOwnerProperties(std::vector<framework::TPropInfo>& out) {
  using P = TPorost;
  framework::TPropDefs<P> d(out);
  const auto owner_name = [](P& p) { return JmenoVlastnika(p, p.MAJ_DRUH(), p.MAJ_KOD()); };
  d.String("MAJ_NAZ", owner_name, nullptr);
  d.String("MAJ_NAZ_xml", owner_name, &SetMajNazXml);
  d.String(
      "OlH_DleTb_Majetky",
      [](P& p) {
        return CodeListName(p, "tb_Majetky", std::to_string(p.MAJ_KOD()), "OLH", "MAJ_KOD");
      },
      nullptr);
  d.String("OLH_98n", &P::OLH_98n, &P::SetOLH_98n);
  d.String("OLH_98", &Olh98, &P::SetOLH_98n).NotStored();
  d.String("OLH", &Olh98, &P::SetOLH_98n).NotStored();
  d.String("OLH_XML", &Olh98, &SetOlhXml).NotStored();
  d.String(
      "OLH_99",
      [](P& p) {
        const std::string code = platform::Trim(Olh98(p));
        return code.empty() ? std::string() : JmenoOLHZeSeznamu(p, code);
      },
      nullptr);
  d.String(
      "OLH_nazev",
      [](P& p) {
        const std::string code = platform::Trim(Olh98(p));
        return code.empty() ? std::string() : JmenoOLH(p, code);
      },
      nullptr);
  d.String("OLH_LIC", &ManagerLicence, &P::SetOLH_LIC).NotStored();
}

}  // namespace tarnik::plan
