#include "forest/tests/forest_test_classes.h"

#include "forest/forest_classes.h"
#include "framework/class_register.h"
#include "framework/framework_classes.h"

namespace tarnik::plan::testing {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefineVzorek(std::vector<TPropInfo>& out) {
  TPropDefs<TVzorek> d(out);
  d.Integer(
      "CISLO", [](TVzorek& v) { return v.cislo; }, [](TVzorek& v, int32_t c) { v.cislo = c; });
  d.Float(
      "PLOCHA", [](TVzorek& v) { return v.plocha; }, [](TVzorek& v, double p) { v.plocha = p; });
  d.String(
      "TEXT", [](TVzorek& v) { return v.text; },
      [](TVzorek& v, const std::string& t) {
        if (v.odmitat_zapis) throw std::runtime_error("odmítnuto");
        v.text = t;
      });
  d.String(
      "KOD_XML", [](TVzorek& v) { return v.xml; },
      [](TVzorek& v, const std::string& t) { v.xml = "xml:" + t; });
  d.String(
      "KOD", [](TVzorek& v) { return v.xml; },
      [](TVzorek& v, const std::string& t) { v.xml = "plain:" + t; });
}

}  // namespace

TARNIK_DEFINE_CLASS(TVzorek, TObecnyLesniPrvek, DefineVzorek)
TARNIK_DEFINE_CLASS(TVzorekMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TCizi, framework::TOwnerEntity, nullptr)

TVzorek* NewVzorek(const std::string& name, int32_t cislo, const std::string& text) {
  auto* v = new TVzorek();
  v->SetName(name);
  v->cislo = cislo;
  v->text = text;
  return v;
}

void RegisterTestClasses() {
  framework::RegisterFrameworkClasses();
  RegisterForestClasses();
  static bool done = false;
  if (done) return;
  done = true;
  framework::RegisterElementClass<TVzorek>();
  framework::RegisterElementClass<TVzorekMN>();
}

}  // namespace tarnik::plan::testing
