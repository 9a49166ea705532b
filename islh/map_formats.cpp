#include "islh/map_formats.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <fmt/format.h>

#include "forest/forest_set.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "framework/element.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::islh {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::string WithDots(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

double NumberOf(const std::string& text) {
  std::string t = WithDots(platform::Trim(text));
  char* end = nullptr;
  double v = std::strtod(t.c_str(), &end);
  if (end == t.c_str() || !std::isfinite(v)) return 0;
  return v;
}

int StockingClass(int zakm) { return zakm > 6 ? 7 : zakm > 3 ? 4 : 1; }

int AgeClass(int vek) { return std::min(vek + 19, 179) / 20; }

int SingleLayerCode(int zakm, const TLayerStocking& layer) {
  int base = 10100;
  if (zakm > 6) {
    base = 10100;
  } else if (zakm >= 4) {
    base = 10000;
  } else if (zakm >= 1) {
    base = 20000;
  }
  return base + AgeClass(layer.vek);
}

}  // namespace

std::string PointElement(double x, double y) {
  return "<B S=\"" + WithDots(fmt::format("{:.6f}", std::fabs(y))) + "$" +
         WithDots(fmt::format("{:.6f}", std::fabs(x))) + "\"/>";
}

std::string ReferenceText(const std::string& x, const std::string& y) {
  return WithDots(fmt::format("{:.3f}", std::fabs(NumberOf(x)))) + "$" +
         WithDots(fmt::format("{:.3f}", std::fabs(NumberOf(y))));
}

std::string NormalizedAngle(double v) {
  if (!std::isfinite(v)) v = 0;
  double d = std::fabs(v) - std::floor(std::fabs(v) / kTwoPi) * kTwoPi;
  if (v < 0) d = kTwoPi - d;
  return WithDots(fmt::format("{:.2f}", d));
}

std::string GeneratedSymbolAngle(double angle) {
  if (!std::isfinite(angle)) angle = 0;
  double a = angle + std::numbers::pi / 2;
  a -= kTwoPi * std::trunc(a / kTwoPi);
  return WithDots(fmt::format("{:.2f}", a));
}

int StandGroupSymbolCode(const std::vector<TLayerStocking>& layers) {
  if (layers.empty()) return 10100;
  if (layers.size() == 1) return SingleLayerCode(layers[0].zakm, layers[0]);
  // The oldest (A) and the second oldest (B), in one pass in layer order.
  TLayerStocking a = layers[0];
  TLayerStocking b = layers[1];
  if (b.vek > a.vek) std::swap(a, b);
  for (size_t i = 2; i < layers.size(); ++i) {
    if (layers[i].vek > b.vek) {
      b = layers[i];
      if (b.vek > a.vek) std::swap(a, b);
    }
  }
  int ca = StockingClass(a.zakm);
  int cb = StockingClass(b.zakm);
  if (layers.size() > 2 && ca < 4 && cb < 4) {
    const TLayerStocking* stocked = nullptr;
    for (const TLayerStocking& l : layers) {
      if (l.zakm > 3 && (!stocked || l.vek > stocked->vek)) stocked = &l;
    }
    if (stocked) {
      b = *stocked;
      cb = StockingClass(b.zakm);
    }
  }
  if (cb >= ca) {
    std::swap(a, b);
    std::swap(ca, cb);
  }
  int aa = AgeClass(a.vek);
  int ab = AgeClass(b.vek);
  if (aa == ab || b.zakm == 0) return SingleLayerCode(a.zakm + b.zakm, a);
  int base;
  if (ca == cb) {
    base = ca >= 4 ? 10000 : 26000;
  } else if (ca == 7) {
    base = cb == 1 ? 20000 : 10000;
  } else {
    base = 25000;
  }
  if (base == 10000 && aa > ab) std::swap(aa, ab);
  return aa * 10 + base + ab;
}

int StandGroupSymbolCode(framework::TElement* stand_group) {
  auto* group = framework::ClassCast<plan::TPorostniSkupina>(stand_group);
  if (!group) return 10100;
  std::vector<TLayerStocking> layers;
  if (plan::TLesniMnozina* set = group->EtazMN()) {
    for (framework::TElement* layer : set->Prvky()) {
      if (!layer) continue;
      layers.push_back({static_cast<int>(NumberOf(layer->GetPropertyText("VEK"))),
                        static_cast<int>(NumberOf(layer->GetPropertyText("ZAKM")))});
    }
  }
  return StandGroupSymbolCode(layers);
}

void TKindSubstitutions::LoadFrom(const std::string& path) {
  tables_.clear();
  if (!platform::FileExists(path)) return;
  platform::IniFile ini(path);
  for (const char* section : {"LIN", "ARE", "PNT", "TXT"}) {
    auto& table = tables_[section];
    for (const std::string& line : ini.ReadSectionValues(section)) {
      size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      table.emplace(platform::Trim(line.substr(0, eq)), platform::Trim(line.substr(eq + 1)));
    }
  }
}

std::string TKindSubstitutions::Find(const std::string& section, const std::string& key) const {
  auto t = tables_.find(section);
  if (t == tables_.end()) return std::string();
  auto it = t->second.find(platform::Trim(key));
  return it == t->second.end() ? std::string() : it->second;
}

}  // namespace tarnik::islh
