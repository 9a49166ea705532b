// One compartment of a part file. The records are flat: one per species (or per unstocked
// record) of a layer, ordered by compartment, sub-compartment and stand group; the owner of a
// record decides its stand, so a sub-compartment gets one stand per owner. Every loop either
// consumes a record or ends, so that damaged records can never hold the reader in place.
#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "data/sources/part_files/part_translator.h"
#include "forest/property_writes.h"
#include "forest/codelists/species.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/key_rules.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "platform/encoding.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using Progress = std::function<void(const std::string&)>;

void Message(const std::string& text) {
  platform::ui().ShowMessage(text, platform::Severity::kPassedOver);
}

// The owner of a record or a stand: (MAJ_KOD, MAJ_DRUH).
using Owner = std::pair<int32_t, int32_t>;

// The proposals of a layer, summed over its records.
struct Proposals {
  double cleaning = 0, thinning = 0, felling = 0;
};

class Reading {
 public:
  Reading(PartRecords& records, const Progress& progress)
      : records_(records), progress_(progress) {}

  bool Eof() const { return records_.Eof(); }
  void Next() { records_.Next(); }
  int64_t Moves() const { return records_.Moves(); }
  const std::string& D(int n) const { return records_.Current().D(n); }
  int32_t N(int n) const { return DigitsNumber(D(n)); }
  const DescriptionRecord* Description() const { return records_.Description(); }
  Owner RecordOwner() const { return {N(31) * 100 + N(10) % 100, N(10) / 100}; }
  void Say(const std::string& text) const {
    if (progress_) progress_(text);
    platform::ui().ProcessPendingEvents();
  }

 private:
  PartRecords& records_;
  const Progress& progress_;
};

Owner StandOwner(TPorost& stand) { return {stand.MAJ_KOD(), stand.MAJ_DRUH()}; }

// The group and layer designation of D16: the short-code rule, a leading "0" made a blank.
std::string GroupKey(const std::string& d16) {
  std::string key = NormalizeShortCode(d16);
  if (key.empty()) return " ";
  if (key[0] == '0') key[0] = ' ';
  return key;
}

std::string GroupCompareKey(const std::string& text) {
  return platform::RemoveBlanks(GroupKey(text));
}

bool Zero3(double x) { return std::fabs(x) < 0.0005; }

// The cleaning or thinning rule: urgency D46 and one intervention once there is an area; the
// urgency "3" is given as "1" with two interventions.
void UrgencyAndCount(Reading& r, TEtaz& layer, const char* area_name, double area,
                     const char* urgency_name, const char* count_name) {
  PutFloat(layer, area_name, area);
  if (Zero3(area)) return;
  std::string urgency = r.D(46);
  int count = 1;
  if (platform::RemoveBlanks(urgency) == "3") {
    urgency = "1";
    count = 2;
  }
  PutText(layer, urgency_name, urgency);
  PutInt(layer, count_name, count);
}

void Cleaning(Reading& r, TEtaz& layer, Proposals& sums) {
  sums.cleaning += r.N(47) / 100.0;
  UrgencyAndCount(r, layer, "PRO_P", sums.cleaning, "PRO_NAL", "PRO_POC");
}

void Afforestation(Reading& r, TEtaz& layer) {
  TLesniMnozina* set = layer.ZalesneniMN();
  if (!set) return;
  for (int first : {48, 51, 54}) {
    if (r.N(first) == 0) continue;
    const std::string species = SpeciesOfNumber(r.N(first));
    set->SetNovyPrvekVzdy(species);
    framework::TElement* row = set->AktualniPrvek();
    if (!row) continue;
    PutText(*row, "ZAL_DR", species);
    r.Say("Z lhp načítám zalesnění  " + GetText(*row, "CeleOznaceni"));
    PutText(*row, "ZAL_DRUH", r.D(first + 1));
    PutFloat(*row, "ZAL_P", r.N(first + 2) / 100.0);
    PutInt(*row, "ZpZadZal", 2);
  }
}

void Damages(Reading& r, TDrevina& species) {
  TLesniMnozina* set = species.PoskozeniMN();
  if (!set) return;
  int which = 1;
  for (int code : {33, 35}) {
    const int this_one = which++;
    if (r.N(code) == 0) continue;
    set->SetNovyPrvekVzdy(r.D(code));
    framework::TElement* damage = set->AktualniPrvek();
    if (!damage) continue;
    r.Say("Z lhp načítám " + std::to_string(this_one) + ".poskozeni  " +
          GetText(*damage, "CeleOznaceni"));
    PutInt(*damage, "POSKOZ_D", r.N(code));
    PutInt(*damage, "POSKOZ_ST", r.N(code));
    PutInt(*damage, "POSKOZ_R", static_cast<int64_t>(r.N(code + 1)) * 10);
  }
}

void Species(Reading& r, TEtaz& layer, Proposals& sums, int& step) {
  step = 1;
  TLesniMnozina* set = layer.DrevinaMN();
  set->SetNovyPrvekVzdy(platform::Trim(r.D(23)));
  auto* species = dynamic_cast<TDrevina*>(set->AktualniPrvek());
  if (!species) return;
  step = 2;
  PutText(*species, "DR_ZKR", r.D(23));
  r.Say("Z lhp načítám drevinu  " + species->CeleOznaceni());
  PutInt(*species, "ZAST", r.N(24));
  PutInt(*species, "TLOUSTKA", r.N(27));
  PutInt(*species, "VYSKA", r.N(26));
  PutInt(*species, "POCET_KMENU", 0);
  PutFloat(*species, "VYCETNI_ZAKLADNA", 0);
  PutText(*species, "GEN_KLAS", r.D(28));
  PutText(*species, "DR_KVAL", r.D(45));
  PutFloat(*species, "PLOCHA_DREVINY", r.N(25) / 100.0);
  PutText(*species, "ZPZADZAS", "8");
  PutInt(*species, "N_ProcentoTV", r.N(43));
  PutText(*species, "ZpZadTV", "3");
  PutText(*species, "ZpZadTO", "1");
  step = 3;
  PutInt(*species, "BON_A", r.N(28));
  PutInt(*species, "ZAS_TAB_HA", r.N(30));
  PutInt(*species, "DR_ZAS_CEL", r.N(32));
  const int32_t area = r.N(17);
  const long per_hectare =
      area <= 0 ? 0 : RoundHalfEven(static_cast<double>(r.N(32)) / area * 100.0);
  PutInt(*species, "DR_ZAS_HA", per_hectare);
  PutText(*species, "IMISE", r.D(61));
  PutInt(*species, "DR_TV", r.N(44));
  PutInt(*species, "N_ObjemHaTV",
         RoundHalfEven(per_hectare * static_cast<double>(r.N(43)) / 100.0));
  PutInt(*species, "DR_TO", r.N(40));
  step = 4;
  Cleaning(r, layer, sums);
  sums.thinning += r.N(42) / 100.0;
  UrgencyAndCount(r, layer, "TV_P", sums.thinning, "TV_NAL", "TV_POC");
  sums.felling += r.N(39) / 100.0;
  PutFloat(layer, "TO_P", sums.felling);
  if (!Zero3(sums.felling)) {
    PutText(layer, "TO_NAL", r.D(46));
    PutText(layer, "TO_DUVOD", "1");
  }
  step = 5;
  Afforestation(r, layer);
  step = 6;
  Damages(r, *species);
}

// One record of the group: a species, or afforestation and cleaning of an unstocked layer. The
// record is always consumed.
void ReadRecord(Reading& r, TEtaz& layer, Proposals& sums) {
  int step = 0;
  try {
    if (layer.VEK() <= 0) {
      Afforestation(r, layer);
      Cleaning(r, layer, sums);
    } else {
      Species(r, layer, sums, step);
    }
  } catch (const std::exception&) {
    Message(" bacha NactiDrevinaZalesneni chyb=" + std::to_string(step));
  }
  r.Next();
}

// The shares of the afforestation rows by their areas, completed to 100 on the largest one.
void AfforestationShares(TEtaz& layer) {
  TLesniMnozina* set = layer.ZalesneniMN();
  if (!set) return;
  const std::vector<framework::TElement*> rows = set->Prvky();
  double total = 0;
  for (framework::TElement* row : rows) total += GetFloat(*row, "ZAL_P");
  if (total <= 0.001) return;
  std::vector<long> shares;
  long sum = 0;
  size_t largest = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    shares.push_back(RoundHalfEven(GetFloat(*rows[i], "ZAL_P") / total * 100.0));
    sum += shares.back();
    if (shares[i] > shares[largest]) largest = i;
  }
  shares[largest] += 100 - sum;
  for (size_t i = 0; i < rows.size(); ++i) PutInt(*rows[i], "ZAL_DR_P", shares[i]);
}

bool SameGroup(Reading& r, int32_t odd, const std::string& dil, const std::string& group_key,
               const Owner& owner) {
  return !r.Eof() && r.N(7) == odd && r.D(8) == dil && GroupCompareKey(r.D(16)) == group_key &&
         r.RecordOwner() == owner;
}

// The stand group of the current record with its one layer and the records that belong to it
// (same compartment, sub-compartment, designation and owner).
void ReadGroup(Reading& r, TPorost& stand, int32_t odd, const std::string& dil) {
  const std::string d16 = r.D(16);
  const std::string key = GroupKey(d16);
  TPorostniSkupinaMN* groups = stand.PorostniSkupinaMN();
  groups->SetNovyPrvek(key);
  auto* group = dynamic_cast<TPorostniSkupina*>(groups->AktualniPrvek());
  if (!group) {
    Message(stand.CeleOznaceni() + " vyskytuje se duplicitní označení porostní skupiny." + d16);
    r.Next();
    return;
  }
  try {
    PutText(*group, "PSK", key);
    r.Say("Z lhp načítám porSkup    " + group->CeleOznaceni());
    PutText(*group, "LT", r.D(21));
    PutText(*group, "SLT", platform::Utf8Prefix(GetText(*group, "LT"), 2));
    PutInt(*group, "PRIB_VZD", r.N(60));
    PutText(*group, "TER_TYP", r.D(38));
    PutText(*group, "Terenni_skupina", r.D(13));
    const double area = r.N(17) / 100.0;
    PutFloat(*group, "PSK_P", area);
    PutFloat(*group, "Plocha0", area);
    PutFloat(*group, "Vymera", area);
    TLesniMnozina* layers = group->EtazMN();
    layers->SetNovyPrvek(key);
    auto* layer = dynamic_cast<TEtaz*>(layers->AktualniPrvek());
    if (!layer) return;
    PutText(*layer, "ETAZ", key);
    r.Say("Z lhp načítám etáž      " + layer->CeleOznaceni());
    PutInt(*layer, "VEK", r.N(18));
    PutInt(*layer, "HS", r.N(19) + static_cast<int64_t>(r.N(59)) * 1000);
    PutFloat(*layer, "ETAZ_PP", area);
    PutFloat(*layer, "ETAZ_PS", area);
    PutInt(*layer, "OBMYTI", r.N(20) / 100);
    PutInt(*layer, "OBN_DOBA", r.N(20) % 100);
    PutInt(*layer, "ZAKM", r.N(22));
    PutInt(*layer, "ZP_TEZ_ST", r.N(37));
    PutInt(*layer, "TER_TYP_ST", r.N(38));
    PutInt(*layer, "NALEH_ST", r.N(46));
    PutInt(*layer, "M_Z_ZASOBY", r.N(62));
    PutText(*layer, "HOSP_TV", "V");
    const std::string group_key = GroupCompareKey(group->PSK());
    const Owner owner = StandOwner(stand);
    Proposals sums;
    while (SameGroup(r, odd, dil, group_key, owner)) ReadRecord(r, *layer, sums);
    AfforestationShares(*layer);
  } catch (const std::exception&) {
    Message(" bacha NactiEtazSkupina");
  }
}

void DescriptionLines(Reading& r, TPorost& stand) {
  const DescriptionRecord* description = r.Description();
  if (!description) return;
  const std::string indent(22, ' ');
  const char* const prefixes[] = {"Popis porostu: ",      indent.c_str(),         indent.c_str(),
                                  "Zdravotní stav: ",     "Plán hosp.opatření: ", indent.c_str(),
                                  "Perspektivní záměr: ", indent.c_str()};
  for (size_t k = 1; k < kDescriptionStringCount; ++k)
    stand.PorText().push_back(prefixes[k - 1] + (*description)[k]);
}

void Levels(Reading& r, TPorost& stand) {
  TLesniMnozina* levels = stand.Org_UrovenMN();
  if (!levels) return;
  if (levels->PocetPrvku() == 0) levels->SetNovyPrvek(r.D(6));
  std::vector<framework::TElement*> items = levels->Prvky();
  if (!items.empty()) PutInt(*items[0], "ORG_UROVEN", r.N(6));
  if (levels->PocetPrvku() < 2) levels->SetNovyPrvek(r.D(64));
  items = levels->Prvky();
  if (items.size() >= 2) PutInt(*items[1], "ORG_UROVEN", r.N(64));
}

// A new stand of the sub-compartment for the owner of the current record; nil after a message.
TPorost* NewStand(Reading& r, TDilec& dilec) {
  TPorostMN* stands = dilec.PorostMN();
  std::string key;
  try {
    std::vector<std::string> taken;
    for (framework::TElement* e : stands->Prvky()) {
      if (auto* stand = dynamic_cast<TPorost*>(e)) taken.push_back(stand->POR());
    }
    for (size_t n = 0;; ++n) {
      key = StandKey(n);
      if (std::find(taken.begin(), taken.end(), key) == taken.end()) break;
    }
    stands->SetNovyPrvekVzdy(key);
  } catch (const std::exception&) {
    Message("NactiPorost_LHP");
    return nullptr;
  }
  auto* stand = dynamic_cast<TPorost*>(stands->AktualniPrvek());
  if (!stand) {
    Message(" bacha porost je nil");
    return nullptr;
  }
  try {
    PutText(*stand, "POR", key);
    r.Say("Z lhp načítám porost   " + stand->CeleOznaceni());
    PutText(*stand, "PAS_OHR", r.D(14));
    PutText(*stand, "KATEG_ST", r.D(9));
    PutInt(*stand, "DRUH_UZIV_ST", r.N(10) / 100);
    PutText(*stand, "TER_SK_POR_ST", r.D(13));
    PutText(*stand, "DRUH_POZ", "10");
    PutText(*stand, "SDR_POR", "N");
    const Owner owner = r.RecordOwner();
    PutInt(*stand, "MAJ_DRUH", owner.second);
    PutInt(*stand, "MAJ_KOD", owner.first);
    Levels(r, *stand);
    if (TLesniMnozina* categories = stand->Kategorie1MN()) {
      categories->SetNovyPrvek(r.D(9));
      if (framework::TElement* category = categories->AktualniPrvek())
        PutText(*category, "KATEGORIE", r.D(9));
    }
  } catch (const std::exception&) {
    Message(" bacha plnění NactiPorost_LHP");
  }
  try {
    DescriptionLines(r, *stand);
  } catch (const std::exception&) {
    Message(" bacha plnění textu dle TLH.");
  }
  return stand;
}

// The last stand of the sub-compartment with the owner; nil when none has it.
TPorost* StandOfOwner(TDilec& dilec, const Owner& owner) {
  TPorost* found = nullptr;
  for (framework::TElement* e : dilec.PorostMN()->Prvky()) {
    auto* stand = dynamic_cast<TPorost*>(e);
    if (stand && StandOwner(*stand) == owner) found = stand;
  }
  return found;
}

// A stand for the owner of the current record and its groups; records of an owner that already
// has a stand in the sub-compartment go on into that stand.
void ReadStand(Reading& r, TDilec& dilec, int32_t odd) {
  TPorost* stand = NewStand(r, dilec);
  if (!stand) return;
  const std::string dil = dilec.DIL();
  try {
    while (!r.Eof() && r.RecordOwner() == StandOwner(*stand) && r.D(8) == dil && r.N(7) == odd) {
      const int64_t before = r.Moves();
      ReadGroup(r, *stand, odd, dil);
      if (r.Moves() == before) r.Next();
      if (r.Eof() || r.RecordOwner() == StandOwner(*stand)) continue;
      if (TPorost* other = StandOfOwner(dilec, r.RecordOwner())) stand = other;
    }
  } catch (const std::exception&) {
    Message(" bacha cyklus NactiPorost_LHP");
  }
}

void SkipSubCompartment(Reading& r, int32_t odd, const std::string& d8) {
  while (!r.Eof() && r.N(7) == odd && r.D(8) == d8) r.Next();
}

void ReadSubCompartment(Reading& r, TOddeleni& compartment, int32_t odd) {
  const std::string d8 = r.D(8);
  TDilecMN* set = compartment.DilecMN();
  set->SetNovyPrvek(d8);
  auto* dilec = dynamic_cast<TDilec*>(set->AktualniPrvek());
  if (!dilec) {
    Message("nelze přidat stejný dílec");
    SkipSubCompartment(r, odd, d8);
    return;
  }
  try {
    PutText(*dilec, "DIL", d8);
    const std::string dil = dilec->DIL();
    while (!r.Eof() && r.D(8) == dil && r.N(7) == odd) {
      const int64_t before = r.Moves();
      ReadStand(r, *dilec, odd);
      if (r.Moves() == before) r.Next();
    }
  } catch (const std::exception&) {
    Message(" Bacha Bacha");
  }
}

}  // namespace

std::string StandKey(size_t n) {
  // Bijective base 26: a..z, aa..az, ba.., zz, aaa...
  std::string key;
  ++n;
  while (n > 0) {
    --n;
    key.insert(key.begin(), static_cast<char>('a' + n % 26));
    n /= 26;
  }
  return key;
}

TOddeleni* NactiOddeleni_LHP(PartRecords& records, const Progress& progress) {
  if (records.Eof()) return nullptr;
  Reading r(records, progress);
  auto compartment = std::make_unique<TOddeleni>();
  const int32_t odd = r.N(7);
  compartment->SetName(std::to_string(odd));
  PutInt(*compartment, "ODD", odd);
  r.Say("Z lhp načítám oddělení " + r.D(7));
  while (!r.Eof() && r.N(7) == odd) {
    const int64_t before = r.Moves();
    ReadSubCompartment(r, *compartment, odd);
    if (r.Moves() == before) r.Next();
  }
  return compartment.release();
}

}  // namespace tarnik::plan
