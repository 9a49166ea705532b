#include "forest/codelists/cisel_kelva.h"

#include <exception>
#include <memory>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/cadastre_and_decisions.h"
#include "forest/codelists/code_lists.h"
#include "forest/codelists/plan_wide_rows.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

int32_t Int(const std::string& text) { return platform::TextToInt(text).value_or(0); }

// The new element of a set for the key, nil when the key exists already.
TKodovyPrvek* NewCode(TLesniMnozina& set, const std::string& key) {
  set.SetNovyPrvek(key);
  return dynamic_cast<TKodovyPrvek*>(set.AktualniPrvek());
}

// The plan-wide table, nil when the database does not have it.
std::unique_ptr<engine::Table> OpenIfExists(engine::Database& phs, const std::string& name) {
  try {
    if (auto stored = phs.FindTable(name)) return std::make_unique<engine::Table>(phs, *stored);
  } catch (const std::exception&) {
  }
  return nullptr;
}

void FillOrgUr(TOrgUrMN& set, engine::Table* table) {
  for (const OrgUrRow& row : ReadOrgUrRows(table)) {
    if (TKodovyPrvek* e = NewCode(set, row.name)) {
      e->SetText("Kod", row.kod);
      e->SetText("Popis", row.popis);
    }
  }
}

}  // namespace

TARNIK_DEFINE_CLASS(TCiselKelva, TObecnyLesniPrvek, nullptr)

TCiselKelva::TCiselKelva() { SetName("CiselKelva"); }

TOrgUrMN* TCiselKelva::OrgUrMN(int level) {
  if (level < 1 || level > 3) return nullptr;
  return Set<TOrgUrMN>("OrgUr" + std::to_string(level) + "MN");
}

void TCiselKelva::NaplnZPlanu(engine::Database& phs) {
  if (OLHMN()->PocetPrvku() == 0) {
    auto table = OpenIfExists(phs, "OLH");
    for (const OlhRow& row : ReadOlhRows(table.get())) {
      if (TKodovyPrvek* e = NewCode(*OLHMN(), row.kod)) {
        e->SetText("KOD", row.kod);
        e->SetText("JMENO", row.popis);
        e->SetText("CIS_LIC", row.cis_lic);
      }
    }
  }
  if (CisHsMN()->PocetPrvku() == 0 && phs.TableExists("TAB_HS")) {
    for (const HsRow& row : ReadHsRows(phs)) {
      if (TKodovyPrvek* e = NewCode(*CisHsMN(), row.cislo_hs)) {
        e->SetNumber("CISLO_HS", Int(row.cislo_hs));
        e->SetText("NAZEV_HS", row.nazev_hs);
        e->SetNumber("OBMYTI", Int(row.obmyti));
        e->SetNumber("OBN_DOBA", Int(row.obn_doba));
        e->SetText("MZD", row.pod_mel_dr);
        e->SetText("ODVOZ_TEZ", row.odvoz_tez);
        e->SetPropertyText("JdeDoSestavDTO", row.sest_dto);
      }
    }
  }
  if (MZDHospSoubMN()->PocetPrvku() == 0) {
    auto table = OpenIfExists(phs, "MEL_DREV");
    for (const MzdRow& row : ReadMzdRows(table.get())) {
      if (TKodovyPrvek* e = NewCode(*MZDHospSoubMN(), row.name)) {
        e->SetNumber("CISLO_HS", Int(row.cislo_hs));
        e->SetNumber("MZD", Int(row.mzd));
        e->SetText("DR_ZKR", row.species);
        e->SetText("LT_SLT", row.lt);
      }
    }
  }
  if (CisSCHUMN()->PocetPrvku() == 0) {
    auto table = OpenIfExists(phs, "CisSCHU");
    for (const SchuRow& row : ReadSchuRows(table.get())) {
      if (TKodovyPrvek* e = NewCode(*CisSCHUMN(), row.name)) {
        e->SetNumber("SCHU_KOD", Int(row.kod));
        e->SetText("SCHU_NAZEV", row.nazev);
        e->SetText("SCHU_SML", row.sml);
        e->SetText("SCHU_POPIS", row.popis);
      }
    }
  }
  for (int level = 1; level <= 3; ++level) {
    TOrgUrMN* set = OrgUrMN(level);
    if (set->PocetPrvku() != 0) continue;
    auto table = OpenIfExists(phs, "ORGUR" + std::to_string(level));
    if (table) FillOrgUr(*set, table.get());
  }
  if (ProbirkaPhsMN()->PocetPrvku() == 0) {
    auto table = OpenIfExists(phs, "probir");
    for (const ProbirkaRow& row : ReadProbirkaRows(table.get())) {
      if (TKodovyPrvek* e = NewCode(*ProbirkaPhsMN(), row.drevina)) {
        e->SetText("Drevina", row.drevina);
        e->SetText("Podminka", row.podminka);
        for (size_t i = 0; i < row.proc_tv.size(); ++i)
          e->SetNumber("ProcTV" + std::to_string(i + 1), row.proc_tv[i]);
      }
    }
  }
  for (TLesniMnozina* set :
       std::initializer_list<TLesniMnozina*>{OLHMN(), CisHsMN(), MZDHospSoubMN(), CisSCHUMN(),
                                             OrgUrMN(1), OrgUrMN(2), OrgUrMN(3), ProbirkaPhsMN()})
    set->SetAktualniPrvek(nullptr);
}

void TCiselKelva::NactiTypyRozhodnuti(const std::string& path) {
  TTypRozhodnutiMN* set = TypRozhodnutiMN();
  for (const DecisionType& row : ReadDecisionTypes(path)) {
    TKodovyPrvek* e = NewCode(*set, row.Key());
    if (!e) continue;
    if (row.typ_dokum) e->SetText("Typ_Dokum", *row.typ_dokum);
    if (row.kod) e->SetText("Kod", *row.kod);
    if (row.popis) e->SetText("Popis", *row.popis);
  }
}

std::string TCiselKelva::OLHVlastnika(long owner_kind, long owner_code, const StandRef& stand,
                                      const std::string& current) {
  std::vector<OwnerManagers> owners;
  for (framework::TElement* element : majetkyMN()->Prvky()) {
    auto* owner = static_cast<Tmajetky*>(element);
    OwnerManagers entry;
    entry.maj_druh = owner->GetPropertyText("MAJ_DRUH_C");
    entry.maj_kod = owner->GetPropertyText("MAJ_KOD_C");
    entry.olh = owner->GetPropertyText("OLH_C");
    for (int k = 0; k < 3; ++k) {
      entry.olh_list[static_cast<size_t>(k)] =
          owner->GetPropertyText("OLH" + std::to_string(k + 1) + "_C");
      for (framework::TElement* item : owner->PoPorostech(k + 1)->Prvky()) {
        entry.stands[static_cast<size_t>(k)].push_back(
            {item->GetPropertyText("ODD"), item->GetPropertyText("DIL"),
             item->GetPropertyText("POR"), item->GetPropertyText("PSK")});
      }
    }
    owners.push_back(std::move(entry));
  }
  if (owners.empty()) return current;
  return ManagerOfOwner(owners, owner_kind, owner_code, stand, current);
}

void TCiselKelva::PojmenujKatastry(CodeLists& lists) {
  for (framework::TElement* element : katastryMN()->Prvky()) {
    auto* area = static_cast<TKodovyPrvek*>(element);
    const auto code = platform::TextToInt64(platform::Trim(area->Text("Kod")));
    area->SetText("Popis", code ? lists.CadastreName(*code) : std::string("Není v seznamu."));
  }
}

}  // namespace tarnik::plan
