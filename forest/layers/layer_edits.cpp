#include "forest/layers/layer_edits.h"

#include <cmath>

#include <fmt/format.h>

#include "forest/colour.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "platform/checked_math.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;

constexpr double kMinArea = 0.001;

// Float properties read and written as numbers (no text conversion); 0 and nothing for a name
// without a float property.
double GetFloat(TElement& element, const std::string& name) {
  const framework::TPropInfo* prop = element.ClassType().Find(name);
  return prop && prop->get_float ? prop->get_float(element) : 0.0;
}
void SetFloat(TElement& element, const std::string& name, double value) {
  const framework::TPropInfo* prop = element.ClassType().Find(name);
  if (prop && prop->set_float) prop->set_float(element, value);
}
constexpr const char* kKinds[] = {"PRO", "TV", "TO"};

std::vector<TEtaz*> LayersOf(TPorostniSkupina& group) {
  std::vector<TEtaz*> layers;
  if (TLesniMnozina* set = group.EtazMN())
    for (TElement* element : set->Prvky())
      if (auto* layer = dynamic_cast<TEtaz*>(element)) layers.push_back(layer);
  return layers;
}

double Area(TEtaz& layer, const std::string& kind) { return GetFloat(layer, kind + "_P"); }
bool MayChange(TEtaz& layer, const std::string& kind) {
  return layer.GetPropertyText(kind + "_PMenit") == "True";
}
void SetArea(TEtaz& layer, const std::string& kind, double area) {
  if (std::fabs(Area(layer, kind) - area) <= 1e-9) return;
  SetFloat(layer, kind + "_P", area);
  layer.SetBylEditovan(true);
}

// The stored volumes are read and written without the bark conversion.
class WithBark {
 public:
  WithBark() : saved_(forest::Flags().odkorneno) { forest::Flags().odkorneno = false; }
  ~WithBark() { forest::Flags().odkorneno = saved_; }
  WithBark(const WithBark&) = delete;
  WithBark& operator=(const WithBark&) = delete;

 private:
  bool saved_;
};

void ScaleVolumes(TEtaz& layer, double ratio) {
  WithBark with_bark;
  for (TElement* element : layer.DrevinaMN()->Prvky()) {
    auto* species = dynamic_cast<TDrevina*>(element);
    if (!species) continue;
    for (const char* property : {"DR_ZAS_CEL", "DR_TO", "DR_TV"}) {
      const int64_t value = species->GetPropertyInteger(property);
      const int64_t scaled = platform::RoundToInt32(static_cast<double>(value) * ratio);
      if (scaled == value) continue;
      species->SetPropertyInteger(property, scaled);
      species->SetBylEditovan(true);
    }
  }
}

// The areas entered by hand of one kind exceed the group's area: asks and scales them down.
void CheckEnteredAreas(TPorostniSkupina& group, const std::vector<TEtaz*>& layers,
                       const std::string& kind, double area) {
  double entered = 0;
  for (TEtaz* layer : layers)
    if (!MayChange(*layer, kind)) entered += Area(*layer, kind);
  if (entered <= area + kMinArea) return;
  const std::string text = "Ve skupině " + group.PSK_XML() +
                           " je suma ručně zadanych parciálních ploch " + Fixed2Dot(entered) +
                           " vyšší než PSK_P =" + Fixed2Dot(area);
  platform::ui().ShowMessage(text);
  const platform::Button answer = platform::ui().MessageBox(
      "Mám změnit parciální plochu?", "", platform::MsgType::kConfirmation,
      {platform::Button::kYes, platform::Button::kNo});
  if (answer != platform::Button::kYes) return;
  for (TEtaz* layer : layers)
    if (!MayChange(*layer, kind))
      SetArea(*layer, kind, Round2HalfEven(Area(*layer, kind) * area / entered));
}

}  // namespace

void PrepocitejEtaze(TPorostniSkupina& group, bool with_volumes) {
  const double before = group.StaraPlocha();
  const double area = group.Plocha();
  const std::vector<TEtaz*> layers = LayersOf(group);
  const bool scalable = before > kMinArea;
  const double ratio = scalable ? area / before : 1.0;
  for (TEtaz* layer : layers) {
    if (scalable) {
      for (const char* kind : kKinds)
        if (MayChange(*layer, kind))
          SetArea(*layer, kind, std::min(area, Round2HalfEven(Area(*layer, kind) * ratio)));
      if (layer->GetPropertyText("PlochaZalesneniMenit") == "True" && layer->ZAL_P() > 0)
        layer->SetZAL_P(std::min(area, Round2HalfEven(layer->ZAL_P() * ratio)));
    }
    if (with_volumes && scalable) ScaleVolumes(*layer, ratio);
  }
  for (const char* kind : kKinds) CheckEnteredAreas(group, layers, kind, area);
}

void InstallLayerRecompute() { SetLayerRecomputeHook(&PrepocitejEtaze); }

void RozdelPlochuZasahu(TPorostniSkupina& group, const std::string& kind, double area) {
  const std::vector<TEtaz*> layers = LayersOf(group);
  if (layers.empty()) return;
  std::vector<TEtaz*> sharing;
  double held = 0;
  for (TEtaz* layer : layers) {
    if (MayChange(*layer, kind))
      sharing.push_back(layer);
    else
      held += Area(*layer, kind);
  }
  if (sharing.empty()) {
    sharing = layers;
    held = 0;
  }
  const double rest = std::max(0.0, Round2HalfEven(area) - held);
  double weights = 0;
  for (TEtaz* layer : sharing) weights += layer->ETAZ_PP();
  size_t largest = 0;
  std::vector<double> shares;
  for (size_t i = 0; i < sharing.size(); ++i) {
    const double weight = weights > 0 ? sharing[i]->ETAZ_PP() / weights : 1.0 / sharing.size();
    shares.push_back(Round2HalfEven(rest * weight));
    if (sharing[i]->ETAZ_PP() > sharing[largest]->ETAZ_PP()) largest = i;
  }
  double sum = 0;
  for (double share : shares) sum += share;
  shares[largest] = Round2HalfEven(shares[largest] + rest - sum);
  for (size_t i = 0; i < sharing.size(); ++i) SetArea(*sharing[i], kind, shares[i]);
}

void DefineLayerEditProperties(std::vector<framework::TPropInfo>& out) {
  using P = TEtaz;
  framework::TPropDefs<P> d(out);
  // The Merk forms enter a layer's area by hand: it no longer follows the group's area.
  for (const char* kind : {"TV", "TO"}) {
    const std::string k = kind;
    d.Float((k + "_P_MERK").c_str(), [k](P& p) { return Area(p, k); },
            [k](P& p, double v) {
              SetArea(p, k, v);
              p.SetPropertyText(k + "_PMenit", "False");
              p.SetBylEditovan(true);
            })
        .NotStored();
  }
  d.Float(
       "TBH_P_MERK", [](P& p) { return GetFloat(p, "TBH_P"); },
       [](P& p, double v) {
         SetFloat(p, "TBH_P", v);
         p.SetBylEditovan(true);
       })
      .NotStored();
  // A felling area that is to be afforested: the rows whose area may change follow it.
  d.Float(
       "TO_P_ZAL", [](P& p) { return Area(p, "TO"); },
       [](P& p, double v) {
         SetArea(p, "TO", v);
         if (p.GetPropertyText("PlochaZalesneniMenit") == "True") p.SetZAL_P(v);
       })
      .NotStored();
  // The intervention map layer's urgency and method.
  d.String(
       "TO_NAL_P0135", [](P& p) { return p.GetPropertyText("TO_NAL"); },
       [](P& p, const std::string& v) {
         p.SetPropertyText("TO_NAL", v);
         p.SetBylEditovan(true);
       })
      .NotStored();
  d.String(
       "TO_ZPUSOB_P0135", [](P& p) { return p.GetPropertyText("TO_ZPUSOB"); },
       [](P& p, const std::string& v) {
         p.SetPropertyText("TO_ZPUSOB", v);
         p.SetBylEditovan(true);
       })
      .NotStored();
}

namespace {

// A value entered in the grid: the property is coloured as entered by hand and the properties
// computed from it as values that may be recomputed (those entered by hand stay so).
void EnterInGridFloat(TDrevina& species, const char* property, double value,
                      std::initializer_list<const char*> dependent) {
  SetFloat(species, property, value);
  species.SetBylEditovan(true);
  species.NastavBarvuProperty(property, kColorAqua);
  for (const char* other : dependent)
    if (!IsEnteredManually(species.BarvaProperty(other)))
      species.NastavBarvuProperty(other, kColorYellow);
}

}  // namespace

void DefineSpeciesEditProperties(std::vector<framework::TPropInfo>& out) {
  using P = TDrevina;
  framework::TPropDefs<P> d(out);
  const auto plain_int = [&d](const char* name, const char* field) {
    const std::string f = field;
    d.Integer(
         name, [f](P& p) { return static_cast<int32_t>(p.GetPropertyInteger(f)); },
         [f](P& p, int32_t v) {
           p.SetPropertyInteger(f, v);
           p.SetBylEditovan(true);
         })
        .NotStored();
  };
  plain_int("ZAST_MERK", "ZAST");
  d.Integer(
       "DR_ZAS_HA_MERK",
       [](P& p) { return static_cast<int32_t>(p.GetPropertyInteger("DR_ZAS_HA")); },
       [](P& p, int32_t v) {
         p.SetPropertyInteger("DR_ZAS_HA", v);
         p.SetBylEditovan(true);
         // The form's fields and the values behind them (the colours kept per value).
         for (const char* other :
              {"ZAST_MERK", "DR_ZAS_CEL_MERK", "POCET_KMENU_MERK", "VYCETNI_ZAKLADNA_MERK", "ZAST",
               "DR_ZAS_CEL", "POCET_KMENU", "VYCETNI_ZAKLADNA"})
           p.NastavBarvuProperty(other, kColorInfoBk);
       })
      .NotStored();
  plain_int("DR_ZAS_CEL_MERK", "DR_ZAS_CEL");
  plain_int("POCET_KMENU_MERK", "POCET_KMENU");
  d.Float(
       "VYCETNI_ZAKLADNA_MERK", [](P& p) { return GetFloat(p, "VYCETNI_ZAKLADNA"); },
       [](P& p, double v) {
         SetFloat(p, "VYCETNI_ZAKLADNA", v);
         p.SetBylEditovan(true);
       })
      .NotStored();
  const auto grid = [&d](const char* name, const char* field,
                         std::initializer_list<const char*> dependent) {
    const std::string f = field;
    const std::vector<const char*> deps(dependent);
    // The same marking as EnterInGridFloat, for the integer values.
    d.Integer(
         name, [f](P& p) { return static_cast<int32_t>(p.GetPropertyInteger(f)); },
         [f, deps](P& p, int32_t v) {
           p.SetPropertyInteger(f, v);
           p.SetBylEditovan(true);
           p.NastavBarvuProperty(f, kColorAqua);
           for (const char* other : deps)
             if (!IsEnteredManually(p.BarvaProperty(other)))
               p.NastavBarvuProperty(other, kColorYellow);
         })
        .NotStored();
  };
  grid("DR_ZAS_TABed", "ZAS_TAB_HA", {"DR_ZAS_HA", "DR_ZAS_CEL"});
  grid("DR_ZAS_HAed", "DR_ZAS_HA", {"DR_ZAS_CEL", "POCET_KMENU", "VYCETNI_ZAKLADNA"});
  grid("DR_ZAS_CELed", "DR_ZAS_CEL", {"DR_ZAS_HA", "POCET_KMENU", "VYCETNI_ZAKLADNA"});
  grid("POCET_KMENUed", "POCET_KMENU", {"VYCETNI_ZAKLADNA"});
  d.Float(
       "VYCETNI_ZAKLADNAed", [](P& p) { return GetFloat(p, "VYCETNI_ZAKLADNA"); },
       [](P& p, double v) { EnterInGridFloat(p, "VYCETNI_ZAKLADNA", v, {"POCET_KMENU"}); })
      .NotStored();
}

}  // namespace tarnik::plan
