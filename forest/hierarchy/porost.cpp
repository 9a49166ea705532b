#include "forest/hierarchy/porost.h"

#include <algorithm>

#include <fmt/format.h>

#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/code_names.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/fpole.h"
#include "forest/hierarchy/key_rules.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/areal_properties.h"
#include "forest/layers/owner_names.h"
#include "forest/layers/stand_table_texts.h"
#include "framework/int_text.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TEntity;
using framework::TPropDefs;
using framework::TPropInfo;
using P = TPorost;

// The running area sum over the stand groups below an entity: before each group is added the
// sum so far is rounded to 0.01 (halves to even).
void AddGroupAreas(TEntity& root, bool acreage, double& sum, int depth) {
  if (depth > 64) return;  // a cycle
  auto visit = [&](TElement* element) {
    if (auto* group = dynamic_cast<TPorostniSkupina*>(element)) {
      sum = RoundAreaEven(sum) + (acreage ? group->Vymera() : group->Plocha());
    } else if (auto* composite = dynamic_cast<TLesniSlozenyPrvek*>(element)) {
      AddGroupAreas(*composite, acreage, sum, depth + 1);
    }
  };
  for (TElement* child : root.Children()) {
    if (auto* set = dynamic_cast<TLesniMnozina*>(child)) {
      if (IsDeletedSet(*set)) continue;
      for (TElement* element : set->Prvky()) visit(element);
    } else {
      visit(child);
    }
  }
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

void TPorost::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<P> d(out);
  d.String("POR", &P::POR, &P::SetPOR);
  d.String("CeleOznaceni", &P::CeleOznaceni, nullptr);
  d.String("CeleOznaceniKratce", &P::CeleOznaceniKratce, nullptr);
  d.String("PAS_OHR", &P::PAS_OHR, [](P& e, const std::string& v) { e.pas_ohr_ = v; });
  d.String(
       "PAS_OHR_XML",
       [](P& e) {
         const std::string v = e.PAS_OHR();
         return v.empty() || v == "-" ? std::string("D") : v;
       },
       [](P& e, const std::string& v) { e.pas_ohr_ = v; })
      .NotStored();
  d.String("LES_OBL", &P::LES_OBL, &P::SetLES_OBL);
  d.String("LES_PODOBL", &P::LES_PODOBL, &P::SetLES_PODOBL);
  d.String(
       "LES_OBL_XML", [](P& e) { return platform::RemoveBlanks(e.les_obl_); }, &P::SetLES_OBL)
      .NotStored();
  d.String(
       "LES_PODOBL_XML", [](P& e) { return platform::RemoveBlanks(e.les_podobl_); },
       &P::SetLES_PODOBL)
      .NotStored();
  StoredInteger(d, "KAT_SPEC", &P::kat_spec_);
  StoredInteger(d, "Cil_HS", &P::cil_hs_);
  StoredInteger(d, "MAJ_KOD", &P::maj_kod_);
  StoredInteger(d, "MAJ_DRUH", &P::maj_druh_);
  d.String("VLASTNIK", &P::VLASTNIK, &P::SetVLASTNIK);
  StoredString(d, "SDR_POR", &P::sdr_por_);
  StoredString(d, "DRUH_POZ", &P::druh_poz_);
  // The lines as one text (CR LF between lines); writing replaces them.
  d.String(
      "POR_TEXT", [](P& e) { return platform::Join(e.por_text_, "\r\n"); },
      [](P& e, const std::string& v) { e.por_text_ = SplitLines(v); });
  d.String(
      "POR_TEXT_1Radek",
      [](P& e) { return e.por_text_.empty() ? std::string() : e.por_text_.front(); }, nullptr);
  // The joined forms are not stored: the lines are, as POR_TEXT.
  d.String("POR_TEXT_Vse", &P::POR_TEXT_Vse, &P::SetPOR_TEXT_Vse).NotStored();
  d.String("POR_TEXT_Xml", &P::POR_TEXT_Vse, &P::SetPOR_TEXT_Vse);
  d.String("POR_TEXT_Vse_BezZavin", &P::POR_TEXT_Vse_BezZavin, nullptr);
  StoredString(d, "HIST_ROZD", &P::hist_rozd_);
  StoredString(d, "HIST_LHPOD", &P::hist_lhpod_);
  StoredString(d, "KATEG_ST", &P::kateg_st_);
  StoredString(d, "TER_SK_POR_ST", &P::ter_sk_por_st_);
  StoredInteger(d, "HIST_LHC", &P::hist_lhc_);
  StoredInteger(d, "DRUH_UZIV_ST", &P::druh_uziv_st_);
  StoredString(d, "ZONACE", &P::zonace_);
  StoredString(d, "PODZONA", &P::zonace_);
  StoredInteger(d, "CISLO_ZONY", &P::cislo_zony_);
  StoredInteger(d, "EVCISLO_ZONY", &P::cislo_zony_);
  d.String(
      "ZVL_STATUT", [](P& e) { return e.ZVL_STATUT(1); },
      [](P& e, const std::string& v) { e.SetZVL_STATUT(1, v); });
  d.String(
      "ZVL_STATUT2", [](P& e) { return e.ZVL_STATUT(2); },
      [](P& e, const std::string& v) { e.SetZVL_STATUT(2, v); });
  d.String(
      "ZVL_STATUT3", [](P& e) { return e.ZVL_STATUT(3); },
      [](P& e, const std::string& v) { e.SetZVL_STATUT(3, v); });
  d.Float("POR_P", &P::POR_P, nullptr);
  d.Float("POR_V", &P::POR_V, nullptr);
  d.Integer("PocetKatastruZeSkupin", &P::PocetKatastruZeSkupin, nullptr);
  StoredInteger(d, "PoradiAktualnihoKatastruZeSkupin", &P::poradi_katastru_);
  d.Integer("PocetSkupinBezlaJPaOst", &P::PocetSkupinBezlaJPaOst, nullptr);
  d.Integer("NejvyssiPocetzBzlJPOst", &P::NejvyssiPocetzBzlJPOst, nullptr);
  d.String(
      "DRUH_POZ_nazev", [](P& e) { return NazevZCiselniku(e, "tb_Druh_poz", e.druh_poz_); },
      nullptr);
  d.String(
      "LES_OBL_nazev", [](P& e) { return NazevZCiselniku(e, "tb_LeOb98", e.les_obl_); }, nullptr);
  d.String(
      "LES_PODOBL_nazev", [](P& e) { return NazevZCiselniku(e, "tb_Podob", e.les_podobl_); },
      nullptr);
  d.String(
      "PAS_OHR_nazev", [](P& e) { return NazevZCiselniku(e, "Tb_PaOh", e.PAS_OHR()); }, nullptr);
  d.String(
      "SDR_POR_nazev", [](P& e) { return NazevZCiselniku(e, "tb_sdr_por", e.sdr_por_); }, nullptr);
  d.String(
      "MAJ_DR_NAZ",
      [](P& e) { return NazevZCiselniku(e, "tb_Druh_vla", std::to_string(e.maj_druh_), "KOD"); },
      nullptr);
  d.Object(
      "FPole", TFPole::StaticClass(), [](P& e) -> TElement* { return e.FPole(); }, nullptr);
  d.Object(
      "PorostniSkupinaMN", TPorostniSkupinaMN::StaticClass(),
      [](P& e) -> TElement* { return e.PorostniSkupinaMN(); }, nullptr);
  d.Object(
      "BezlesiMN", TLesniMnozina::StaticClass(), [](P& e) -> TElement* { return e.BezlesiMN(); },
      nullptr);
  d.Object(
      "OstatniMN", TLesniMnozina::StaticClass(), [](P& e) -> TElement* { return e.OstatniMN(); },
      nullptr);
  d.Object(
      "JinyPozemekMN", TLesniMnozina::StaticClass(),
      [](P& e) -> TElement* { return e.JinyPozemekMN(); }, nullptr);
  d.Object(
      "SmazanyPorostniSkupinaMN", TPorostniSkupinaMN::StaticClass(),
      [](P& e) -> TElement* { return e.SmazanyPorostniSkupinaMN(); }, nullptr);
  d.Object(
      "SmazanyBezlesiMN", TLesniMnozina::StaticClass(),
      [](P& e) -> TElement* { return e.SmazanyBezlesiMN(); }, nullptr);
  d.Object(
      "SmazanyOstatniMN", TLesniMnozina::StaticClass(),
      [](P& e) -> TElement* { return e.SmazanyOstatniMN(); }, nullptr);
  d.Object(
      "SmazanyJinyPozemekMN", TLesniMnozina::StaticClass(),
      [](P& e) -> TElement* { return e.SmazanyJinyPozemekMN(); }, nullptr);
  d.Object(
      "PorostniSkupina", TPorostniSkupina::StaticClass(),
      [](P& e) -> TElement* { return e.PorostniSkupina(); }, nullptr);
  // The special-status, category and organisational-level texts of the stand.
  DefineStandListProperties(out);
  DefineStandOwnerProperties(out);
  DefineStandTableProperties(out);
  DerivedFormsNotStored(out);
}

TARNIK_DEFINE_CLASS(TPorost, TLesniSlozenyPrvek, &TPorost::DefineProperties)

void TPorost::SetPOR(const std::string& text) {
  if (platform::Trim(text).empty()) return;
  por_ = text;
  RenameByKey(*this, text, "POR");
}

std::string TPorost::CeleOznaceni() {
  if (auto* dilec = VlastnikTridy<TDilec>()) return "Porost: " + dilec->CeleOznaceni() + por_;
  return "Porost: " + por_;
}

std::string TPorost::CeleOznaceniKratce() {
  if (auto* dilec = VlastnikTridy<TDilec>()) return dilec->CeleOznaceniKratce() + por_;
  return por_;
}

std::string TPorost::PAS_OHR() const { return platform::UpperCz(platform::RemoveBlanks(pas_ohr_)); }

void TPorost::SetLES_OBL(const std::string& text) { les_obl_ = NormalizeRegionCode(text); }
void TPorost::SetLES_PODOBL(const std::string& text) { les_podobl_ = NormalizeRegionCode(text); }

std::string TPorost::VLASTNIK() const { return fmt::format("{}{:05d}", maj_druh_, maj_kod_); }

void TPorost::SetVLASTNIK(const std::string& text) {
  if (text.size() != 6) {
    platform::ui().ShowMessage(
        "U porostu " + CeleOznaceni() + " není vlastník \"" + text + "\" šestimístný.",
        platform::Severity::kPassedOver);
    return;
  }
  maj_druh_ = framework::ReadIntegerPrefix(text.substr(0, 1));
  maj_kod_ = framework::ReadIntegerPrefix(text.substr(1, 5));
}

std::string TPorost::POR_TEXT_Vse() const {
  std::string text;
  for (size_t i = 0; i < por_text_.size(); ++i) {
    const std::string line = platform::Trim(por_text_[i]);
    if (i == 0) {
      text += line;
    } else if (i == 3 || i == 4 || i == 6) {
      text += "@$&" + line;
    } else {
      text += " " + line;
    }
  }
  return text;
}

void TPorost::SetPOR_TEXT_Vse(const std::string& text) { por_text_ = SplitLines(text); }

std::string TPorost::POR_TEXT_Vse_BezZavin() const {
  std::vector<std::string> lines;
  for (const std::string& line : por_text_) lines.push_back(platform::Trim(line));
  return platform::Join(lines, "  ");
}

std::string TPorost::ZVL_STATUT(int which) {
  TLesniMnozina* set = ZvlStMN();
  if (!set) return "";
  const std::vector<TElement*> statuses = set->Prvky();
  if (static_cast<int>(statuses.size()) < which) return "";
  return statuses[which - 1]->GetPropertyText("ZVL_STATUT");
}

void TPorost::SetZVL_STATUT(int which, const std::string& text) {
  TLesniMnozina* set = ZvlStMN();
  if (!set || which < 1) return;
  if (which > 1 && set->PocetPrvku() < which - 1) SetZVL_STATUT(which - 1, "0");
  if (set->PocetPrvku() == which - 1) {
    if (platform::Trim(text).empty()) return;
    set->SetNovyPrvekVzdy(text);
  }
  const std::vector<TElement*> statuses = set->Prvky();
  if (static_cast<int>(statuses.size()) >= which)
    statuses[which - 1]->SetPropertyText("ZVL_STATUT", text);
}

double TPorost::AreaSum(bool acreage) {
  double sum = 0;
  AddGroupAreas(*this, acreage, sum, 0);
  return sum;
}

double TPorost::POR_P() { return AreaSum(false); }
double TPorost::POR_V() { return AreaSum(true); }

int32_t TPorost::PocetKatastruZeSkupin() {
  TFPole* table = FPole();
  if (table) table->Vycisti();
  std::vector<std::string> codes;  // every distinct code; the table keeps the first 40
  TPorostniSkupinaMN* groups = PorostniSkupinaMN();
  if (!groups) return 0;
  for (TElement* element : groups->Prvky()) {
    auto* group = dynamic_cast<TPorostniSkupina*>(element);
    if (!group) continue;
    const std::string code = std::to_string(group->KU_KOD());
    const auto found = std::find(codes.begin(), codes.end(), code);
    if (found != codes.end()) {
      const int row = static_cast<int>(found - codes.begin()) + 1;
      if (TRadekPole* r = table ? table->Radek(row) : nullptr)
        r->SetProPlocha(r->ProPlocha() + group->Plocha());
      continue;
    }
    codes.push_back(code);
    if (TRadekPole* r = table ? table->Radek(static_cast<int>(codes.size())) : nullptr) {
      r->SetKlasifikator(code);
      r->SetProPlocha(group->Plocha());
    }
  }
  return static_cast<int32_t>(codes.size());
}

int32_t TPorost::PocetSkupinBezlaJPaOst() {
  return CountIn(PorostniSkupinaMN()) + CountIn(BezlesiMN()) + CountIn(JinyPozemekMN()) +
         CountIn(OstatniMN());
}

int32_t TPorost::NejvyssiPocetzBzlJPOst() {
  return std::max({CountIn(BezlesiMN()), CountIn(JinyPozemekMN()), CountIn(OstatniMN())});
}

TFPole* TPorost::FPole() {
  if (auto* table = fpole_.As<TFPole>()) return table;
  for (TElement* child : Children()) {
    if (auto* table = dynamic_cast<TFPole*>(child)) {
      fpole_ = table;
      return table;
    }
  }
  auto* table = new TFPole();
  AddElement(table);
  fpole_ = table;
  return table;
}

TPorostniSkupinaMN* TPorost::PorostniSkupinaMN() {
  return ChildSet<TPorostniSkupinaMN>(*this, skupiny_, "PorostniSkupinaMN");
}
TLesniMnozina* TPorost::BezlesiMN() {
  return ChildSetByClassName(*this, bezlesi_, "TBezlesiMN", "BezlesiMN");
}
TLesniMnozina* TPorost::OstatniMN() {
  return ChildSetByClassName(*this, ostatni_, "TOstatniMN", "OstatniMN");
}
TLesniMnozina* TPorost::JinyPozemekMN() {
  return ChildSetByClassName(*this, jiny_, "TJinyPozemekMN", "JinyPozemekMN");
}
TPorostniSkupinaMN* TPorost::SmazanyPorostniSkupinaMN() {
  return ChildSet<TPorostniSkupinaMN>(*this, smaz_skupiny_, "SmazanyPorostniSkupinaMN");
}
TLesniMnozina* TPorost::SmazanyBezlesiMN() {
  return ChildSetByClassName(*this, smaz_bezlesi_, "TBezlesiMN", "SmazanyBezlesiMN");
}
TLesniMnozina* TPorost::SmazanyOstatniMN() {
  return ChildSetByClassName(*this, smaz_ostatni_, "TOstatniMN", "SmazanyOstatniMN");
}
TLesniMnozina* TPorost::SmazanyJinyPozemekMN() {
  return ChildSetByClassName(*this, smaz_jiny_, "TJinyPozemekMN", "SmazanyJinyPozemekMN");
}

TPorostniSkupina* TPorost::PorostniSkupina() {
  TPorostniSkupinaMN* set = PorostniSkupinaMN();
  return set ? dynamic_cast<TPorostniSkupina*>(set->AktualniPrvek()) : nullptr;
}

void TPorost::DeletedSets(std::vector<TLesniMnozina*>& out) {
  TLesniPrvek::DeletedSets(out);
  if (auto* s =
          ExistingChildSet(*this, smaz_skupiny_, "TPorostniSkupinaMN", "SmazanyPorostniSkupinaMN"))
    out.push_back(s);
  if (auto* s = ExistingChildSet(*this, smaz_bezlesi_, "TBezlesiMN", "SmazanyBezlesiMN"))
    out.push_back(s);
  if (auto* s = ExistingChildSet(*this, smaz_ostatni_, "TOstatniMN", "SmazanyOstatniMN"))
    out.push_back(s);
  if (auto* s = ExistingChildSet(*this, smaz_jiny_, "TJinyPozemekMN", "SmazanyJinyPozemekMN"))
    out.push_back(s);
}

bool TPorost::MaSmazany() { return TLesniPrvek::MaSmazany(); }

TARNIK_DEFINE_CLASS(TPorostMN, TLesniMnozina, nullptr)

TPorostMN::TPorostMN() : TLesniMnozina(TPorost::StaticClass(), "POR") {}

void TPorostMN::SetNovyPrvek(const std::string& key) {
  TLesniMnozina::SetNovyPrvek(key);
  auto* created = dynamic_cast<TPorost*>(AktualniPrvek());
  if (created && created->POR().empty()) created->AdoptPOR(key);
}

void TPorostMN::SetNovyPrvekVzdy(const std::string& key) {
  TLesniMnozina::SetNovyPrvekVzdy(key);
  auto* created = dynamic_cast<TPorost*>(AktualniPrvek());
  if (created && created->POR().empty()) created->AdoptPOR(key);
}

}  // namespace tarnik::plan
