#include "islh/xml_loader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/plan_wide_rows.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/statuses.h"
#include "forest/layers/tree_species.h"
#include "forest/unit/lesni_celek.h"
#include "islh/ascii_names.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {
namespace {

using framework::TElement;
using framework::TPropInfo;
using platform::Severity;

void DefineLoader(std::vector<TPropInfo>& out) {
  framework::TPropDefs<TLHC_XMLLoader> d(out);
  d.Integer(
      "XMLSize", [](TLHC_XMLLoader& l) { return static_cast<int32_t>(l.XMLSize()); }, nullptr);
  d.Object("AreaEntity", framework::TEntity::StaticClass(), &TLHC_XMLLoader::AreaEntity,
           &TLHC_XMLLoader::SetAreaEntity);
}

// The elements of the map part; the numerical import passes over them with their content.
bool IsMapElement(const std::string& name) {
  static const char* const kMap[] = {"PSK_OBRAZ", "BZL_OBRAZ", "JP_OBRAZ",  "OP_OBRAZ",
                                     "MP",        "P",         "L",         "B",
                                     "KBO",       "KLO",       "KTO",       "KPO",
                                     "BOD_OBRAZ", "LIN_OBRAZ", "PLO_OBRAZ", "TXT_OBRAZ"};
  for (const char* m : kMap)
    if (name == m) return true;
  return false;
}

std::string LineText(const XmlTag& tag) { return std::to_string(tag.line); }

// A code element of the container's list that holds the same code (compared trimmed), nil
// when there is none.
TElement* SameCode(plan::TLesniMnozina& set, const std::vector<const char*>& properties,
                   const XmlTag& tag, const std::set<const TElement*>* among = nullptr) {
  for (TElement* element : set.Prvky()) {
    if (among && !among->count(element)) continue;
    bool same = true;
    for (const char* p : properties) {
      same = same &&
             platform::Trim(element->GetPropertyText(p)) == platform::Trim(AttributeValue(tag, p));
    }
    if (same) return element;
  }
  return nullptr;
}

// The document states the cuts reduced by the inductive cut (as every export writes them); the
// unit keeps them whole, so that a later export does not reduce them twice.
void RestoreCut(plan::TLHC& lhc, const XmlTag& tag) {
  bool to = false, tv = false;
  for (const XmlAttribute& a : tag.attributes) {
    to = to || SameAsciiNoCase(a.name, "ETAT_TO");
    tv = tv || SameAsciiNoCase(a.name, "ETAT_TV");
  }
  const int32_t ind = lhc.GetPropertyInteger("LHC_IND");
  const int32_t ind_tv = lhc.GetPropertyInteger("LHC_IND_TV");
  if (to) lhc.SetPropertyInteger("ETAT_TO", lhc.ETAT_TO() + ind - ind_tv);
  if (tv) lhc.SetPropertyInteger("ETAT_TV", lhc.ETAT_TV() + ind_tv);
}

}  // namespace

TARNIK_DEFINE_CLASS(TLHC_XMLLoader, framework::TKelvaLoader, DefineLoader)

std::string AttributeValue(const XmlTag& tag, std::string_view name) {
  for (const XmlAttribute& a : tag.attributes)
    if (SameAsciiNoCase(a.name, name)) return a.value;
  return std::string();
}

void TLHC_XMLLoader::Execute() {
  std::FILE* file = std::fopen(FileName().c_str(), "rb");
  if (!file)
    throw std::runtime_error("Soubor \"" + FileName() +
                             "\" nelze otevřít: " + std::strerror(errno));
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(file, &std::fclose);
  int64_t size = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  std::rewind(file);
  xml_size_ = size < 0 ? 0 : size;
  XmlScanner scanner(file, static_cast<uint64_t>(xml_size_),
                     [](const std::string& text, Severity severity) {
                       platform::ui().ShowMessage(text, severity);
                     });
  Parse(scanner);
}

void TLHC_XMLLoader::LoadBytes(std::string_view bytes) {
  xml_size_ = static_cast<int64_t>(bytes.size());
  XmlScanner scanner(bytes, [](const std::string& text, Severity severity) {
    platform::ui().ShowMessage(text, severity);
  });
  Parse(scanner);
}

void TLHC_XMLLoader::Parse(XmlScanner& scanner) {
  if (!unit_) throw std::runtime_error("Import z XML nemá lesní celek");
  open_.clear();
  read_counts_.clear();
  reported_.clear();
  earlier_mzd_.clear();
  for (TElement* record : unit_->CiselKelva()->MZDHospSoubMN()->Prvky())
    earlier_mzd_.insert(record);
  const std::string total = std::to_string(scanner.size());
  scanner.SetProgress(kProgressStep, [&total](uint64_t position) {
    platform::ui().SetStatus(std::to_string(position) + " bytů z celkových " + total);
    platform::ui().ProcessPendingEvents();
  });
  size_t skipping = 0;  // depth inside an element passed over with its content
  XmlTag tag;
  while (scanner.Next(tag)) {
    if (skipping > 0) {
      if (tag.kind == XmlTag::Kind::kEnd) {
        --skipping;
      } else if (!tag.empty) {
        ++skipping;
      }
      continue;
    }
    if (tag.kind == XmlTag::Kind::kEnd) {
      // End tags close the element of their name; one that closes nothing open is passed over.
      for (size_t i = open_.size(); i > 0; --i) {
        if (open_[i - 1].name == tag.name) {
          open_.resize(i - 1);
          break;
        }
      }
      continue;
    }
    if (open_.size() >= kMaxDepth) {
      ReportOnce(
          "\x1f"
          "depth",
          "Elementy dokumentu jsou vnořeny hlouběji než " + std::to_string(kMaxDepth) +
              " úrovní; element <" + tag.name + "> na řádku " + LineText(tag) +
              " a hlubší se vynechávají i s obsahem.",
          Severity::kPassedOver);
      if (!tag.empty) skipping = 1;
      continue;
    }
    TElement* built = nullptr;
    if (!Dispatch(tag, built)) {
      if (!tag.empty) skipping = 1;
      continue;
    }
    if (!tag.empty) open_.push_back({tag.name, built});
  }
  open_.clear();
}

TElement* TLHC_XMLLoader::Parent() const {
  for (size_t i = open_.size(); i > 0; --i)
    if (open_[i - 1].element) return open_[i - 1].element;
  return nullptr;
}

template <class T>
T* TLHC_XMLLoader::Require(const XmlTag& tag, const char* parent_name) {
  if (auto* parent = dynamic_cast<T*>(Parent())) return parent;
  platform::ui().ShowMessage("Element <" + tag.name + "> na řádku " + LineText(tag) +
                                 " nestojí v elementu <" + parent_name +
                                 ">, vynechává se i s obsahem.",
                             Severity::kPassedOver);
  return nullptr;
}

void TLHC_XMLLoader::ReportOnce(const std::string& key, const std::string& text,
                                Severity severity) {
  if (reported_.insert(key).second) platform::ui().ShowMessage(text, severity);
}

void TLHC_XMLLoader::Fill(plan::TObecnyLesniPrvek& element, const XmlTag& tag) {
  auto& resolved = properties_[&element.ClassType()];
  for (const XmlAttribute& a : tag.attributes) {
    auto it = resolved.find(a.name);
    if (it == resolved.end()) {
      const TPropInfo* prop = element.ClassType().Find(a.name + "_XML");
      if (!prop) prop = element.ClassType().Find(a.name);
      it = resolved.emplace(a.name, prop).first;
    }
    const TPropInfo* prop = it->second;
    if (!prop) {
      ReportOnce(
          "\x1f"
          "attribute " +
              platform::UpperAscii(a.name),
          "Atribut \"" + a.name + "\" elementu <" + tag.name +
              "> program nezná, jeho hodnoty se nenačítají (poprvé na řádku " + LineText(tag) +
              ").",
          Severity::kPassedOver);
      continue;
    }
    if (!prop->HasWriter()) {
      ReportOnce(
          "\x1f"
          "computed " +
              tag.name + "\x1f" + a.name,
          "Atribut \"" + a.name + "\" elementu <" + tag.name +
              "> program počítá z jiných hodnot, jeho hodnoty se nenačítají.",
          Severity::kInformation);
      continue;
    }
    element.NactiPolozku(*prop, a.value);
  }
}

namespace {

// Creates an element of class T named `key`, adds it to `set` (which makes it current) and
// answers it; the set owns it.
template <class T>
T* AddTo(plan::TLesniMnozina* set, const std::string& key) {
  if (!set) return nullptr;
  auto* element = new T();
  element->SetName(key);
  set->AddElement(element);
  if (set->IndexOf(element) < 0) {  // refused by the set (reported there)
    delete element;
    return nullptr;
  }
  return element;
}

}  // namespace

TElement* TLHC_XMLLoader::BuildCodeElement(const XmlTag& tag) {
  plan::TCiselKelva* codes = unit_->CiselKelva();
  const std::string& name = tag.name;
  plan::TLesniMnozina* set = nullptr;
  std::vector<const char*> code;
  std::string key;
  TElement* element = nullptr;
  if (name == "HS") {
    set = codes->CisHsMN();
    code = {"CISLO_HS"};
    key = AttributeValue(tag, "CISLO_HS");
  } else if (name == "SCHU") {
    set = codes->CisSCHUMN();
    code = {"SCHU_KOD"};
    key = AttributeValue(tag, "SCHU_KOD") + plan::kCodeNameSeparator +
          AttributeValue(tag, "SCHU_NAZEV");
  } else if (name == "OU1" || name == "OU2") {
    set = codes->OrgUrMN(name == "OU1" ? 1 : 2);
    code = {"Kod"};
    key = AttributeValue(tag, "Kod") + plan::kCodeNameSeparator + AttributeValue(tag, "Popis");
  } else if (name == "OLH") {
    set = codes->OLHMN();
    code = {"KOD"};
    key = AttributeValue(tag, "KOD");
  } else {  // MZD: a record is the same only when all its values are
    set = codes->MZDHospSoubMN();
    code = {"CISLO_HS", "MZD", "DR_ZKR", "LT_SLT"};
    key = AttributeValue(tag, "CISLO_HS") + plan::kCodeNameSeparator + AttributeValue(tag, "MZD");
  }
  // A code the list holds already takes the document's values.
  element = SameCode(*set, code, tag, name == "MZD" ? &earlier_mzd_ : nullptr);
  if (!element) {
    if (name == "HS") {
      element = AddTo<plan::TCisHs>(set, key);
    } else if (name == "SCHU") {
      element = AddTo<plan::TCisSCHU>(set, key);
    } else if (name == "OU1" || name == "OU2") {
      element = AddTo<plan::TOrgUr>(set, key);
    } else if (name == "OLH") {
      element = AddTo<plan::TOLH>(set, key);
    } else {
      element = AddTo<plan::TMZDHospSoub>(set, key);
    }
  }
  if (auto* code_element = dynamic_cast<plan::TObecnyLesniPrvek*>(element))
    Fill(*code_element, tag);
  set->SetAktualniPrvek(nullptr);
  return element;
}

bool TLHC_XMLLoader::Dispatch(const XmlTag& tag, TElement*& built) {
  using namespace plan;
  built = nullptr;
  const std::string& name = tag.name;
  if (name == "DATAISLH") return true;
  if (name == "LHC") {
    TLHC* lhc = unit_->LHC();
    Fill(*lhc, tag);
    RestoreCut(*lhc, tag);
    lhc->SetRId(1);
    Counted(name);
    built = lhc;
    if (sink_) sink_->WriteUnit(*lhc);
    return true;
  }
  if (name == "HS" || name == "SCHU" || name == "OU1" || name == "OU2" || name == "OLH" ||
      name == "MZD") {
    if (!Require<TLHC>(tag, "LHC")) return false;
    built = BuildCodeElement(tag);
    if (built) Counted(name);
    return built != nullptr;
  }

  TObecnyLesniPrvek* element = nullptr;
  if (name == "ODD") {
    auto* lhc = Require<TLHC>(tag, "LHC");
    if (!lhc) return false;
    TOddeleniMN* set = lhc->OddeleniMN();
    if (set->PocetPrvku() > 0 && sink_) {
      if (TOddeleni* finished = lhc->Oddeleni()) sink_->WriteCompartment(*finished);
    }
    element = AddTo<TOddeleni>(set, AttributeValue(tag, "ODD"));
  } else if (name == "DIL") {
    auto* compartment = Require<TOddeleni>(tag, "ODD");
    if (!compartment) return false;
    element = AddTo<TDilec>(compartment->DilecMN(), AttributeValue(tag, "DIL"));
  } else if (name == "POR") {
    auto* dilec = Require<TDilec>(tag, "DIL");
    if (!dilec) return false;
    element = AddTo<TPorost>(dilec->PorostMN(), AttributeValue(tag, "Por"));
  } else if (name == "PSK" || name == "KAT" || name == "BZL" || name == "JP" || name == "OP") {
    auto* stand = Require<TPorost>(tag, "POR");
    if (!stand) return false;
    if (name == "PSK") {
      element = AddTo<TPorostniSkupina>(stand->PorostniSkupinaMN(), AttributeValue(tag, "PSK"));
    } else if (name == "KAT") {
      element = AddTo<TKategorie1>(stand->Kategorie1MN(), AttributeValue(tag, "KATEGORIE"));
    } else if (name == "BZL") {
      element = AddTo<TBezlesi>(stand->BezlesiMN(), AttributeValue(tag, "BZL"));
    } else if (name == "JP") {
      element = AddTo<TJinyPozemek>(stand->JinyPozemekMN(), AttributeValue(tag, "JP"));
    } else {
      std::string key = AttributeValue(tag, "OST");
      bool has_ost = false;
      for (const XmlAttribute& a : tag.attributes)
        has_ost = has_ost || SameAsciiNoCase(a.name, "OST");
      if (!has_ost) key = AttributeValue(tag, "OP");
      element = AddTo<TOstatni>(stand->OstatniMN(), key);
    }
  } else if (name == "ETZ") {
    auto* group = Require<TPorostniSkupina>(tag, "PSK");
    if (!group) return false;
    element = AddTo<TEtaz>(group->EtazMN(), AttributeValue(tag, "ETAZ"));
  } else if (name == "DRV" || name == "ZAL") {
    auto* layer = Require<TEtaz>(tag, "ETZ");
    if (!layer) return false;
    if (name == "DRV") {
      element = AddTo<TDrevina>(layer->DrevinaMN(), AttributeValue(tag, "DR_ZKR"));
    } else {
      element = AddTo<TZalesneni>(layer->ZalesneniMN(), AttributeValue(tag, "DR_ZAL"));
    }
  } else if (name == "POS") {
    auto* species = Require<TDrevina>(tag, "DRV");
    if (!species) return false;
    element = AddTo<TPoskozeni>(species->PoskozeniMN(), AttributeValue(tag, "DR_ZKR"));
  } else if (name == "CPP" || name == "CPB" || name == "CPJ") {
    // The planning database has no parcel parts; only ones that carry values are missed.
    bool values = false;
    for (const XmlAttribute& a : tag.attributes) {
      const std::string v = platform::Trim(a.value);
      values = values || !(v.empty() || v == "0");
    }
    if (values) {
      ReportOnce("\x1f" + name,
                 "Části parcel <" + name + "> se do databáze plánu neukládají (poprvé na řádku " +
                     LineText(tag) + ").",
                 Severity::kPassedOver);
    }
    return false;
  } else if (IsMapElement(name)) {
    ReportOnce(
        "\x1f"
        "map",
        "Mapová část dokumentu se nenačítá (poprvé <" + name + "> na řádku " + LineText(tag) + ").",
        Severity::kInformation);
    return false;
  } else {
    ReportOnce("\x1f" + name,
               "Element <" + name + "> program nezná, vynechává se i s obsahem (poprvé na řádku " +
                   LineText(tag) + ").",
               Severity::kPassedOver);
    return false;
  }
  if (!element) return false;
  Fill(*element, tag);
  if (auto* row = dynamic_cast<TZalesneni*>(element)) row->DoplnPoNacteni();
  Counted(name);
  built = element;
  if (name == "ODD") platform::ui().ProcessPendingEvents();
  return true;
}

}  // namespace tarnik::islh
