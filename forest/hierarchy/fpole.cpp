#include "forest/hierarchy/fpole.h"

#include "forest/hierarchy/prop_fields.h"
#include "platform/ui.h"

namespace tarnik::plan {

void TRadekPole::DefineProperties(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TRadekPole> d(out);
  d.String("Klasifikator", &TRadekPole::Klasifikator, &TRadekPole::SetKlasifikator);
  StoredFloat(d, "ProPlocha", &TRadekPole::pro_plocha_);
  StoredInteger(d, "Soucet", &TRadekPole::soucet_);
}

TARNIK_DEFINE_CLASS(TRadekPole, framework::TElement, &TRadekPole::DefineProperties)

void TRadekPole::SetKlasifikator(const std::string& text) {
  // Counted in characters, cut at a character boundary.
  size_t chars = 0, pos = 0;
  while (pos < text.size() && chars < kKlasifikatorMax) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
    ++chars;
  }
  if (pos < text.size()) {
    platform::ui().ShowMessage("Pozor uřezávám Klasifikátor");
    klasifikator_ = text.substr(0, pos);
    return;
  }
  klasifikator_ = text;
}

TARNIK_DEFINE_CLASS(TFPole, framework::TOwnerEntity, nullptr)

TFPole::TFPole() {
  for (int i = 0; i < kFPoleRows; ++i) AddElement(new TRadekPole());
}

TRadekPole* TFPole::Radek(int number) const {
  if (number < 1 || number > GetCount()) return nullptr;
  return dynamic_cast<TRadekPole*>(GetElement(number - 1));
}

void TFPole::Vycisti() {
  for (int i = 1; i <= GetCount(); ++i) {
    if (TRadekPole* row = Radek(i)) {
      row->SetKlasifikator("");
      row->SetProPlocha(0);
      row->SetSoucet(0);
    }
  }
}

}  // namespace tarnik::plan
