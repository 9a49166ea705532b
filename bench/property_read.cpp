// Reads of one property through the text interface, by name and by its descriptor, next to
// the bare getter the descriptor wraps; the differences are what the by-name layer costs per
// read, its guard against re-entered and runaway nested reads included.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"

namespace tarnik::framework {
namespace {

class TBenchElement : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TBenchElement)
  int32_t count = 123456;
  std::string text = "Porost 12A3";
};

void DefineBenchElement(std::vector<TPropInfo>& out) {
  TPropDefs<TBenchElement> d(out);
  d.Integer(
      "Count", [](TBenchElement& e) { return e.count; },
      [](TBenchElement& e, int32_t v) { e.count = v; });
  d.String(
      "Text", [](TBenchElement& e) { return e.text; },
      [](TBenchElement& e, const std::string& v) { e.text = v; });
}

}  // namespace

TARNIK_DEFINE_CLASS(TBenchElement, TOwnerEntity, DefineBenchElement)

namespace {

struct Setup {
  Setup() { RegisterFrameworkClasses(); }
};

TBenchElement& Element() {
  static Setup setup;
  static TBenchElement element;
  return element;
}

void BM_IntegerBareGetter(benchmark::State& state) {
  TBenchElement& e = Element();
  const TPropInfo& prop = *e.ClassType().Find("Count");
  for (auto _ : state) benchmark::DoNotOptimize(std::to_string(prop.get_ord(e)));
}

void BM_IntegerPropertyText(benchmark::State& state) {
  TBenchElement& e = Element();
  const TPropInfo& prop = *e.ClassType().Find("Count");
  for (auto _ : state) benchmark::DoNotOptimize(PropertyText(e, prop));
}

void BM_IntegerByName(benchmark::State& state) {
  TBenchElement& e = Element();
  for (auto _ : state) benchmark::DoNotOptimize(e.GetPropertyText("Count"));
}

void BM_StringBareGetter(benchmark::State& state) {
  TBenchElement& e = Element();
  const TPropInfo& prop = *e.ClassType().Find("Text");
  for (auto _ : state) benchmark::DoNotOptimize(prop.get_str(e));
}

void BM_StringPropertyText(benchmark::State& state) {
  TBenchElement& e = Element();
  const TPropInfo& prop = *e.ClassType().Find("Text");
  for (auto _ : state) benchmark::DoNotOptimize(PropertyText(e, prop));
}

void BM_StringByName(benchmark::State& state) {
  TBenchElement& e = Element();
  for (auto _ : state) benchmark::DoNotOptimize(e.GetPropertyText("Text"));
}

BENCHMARK(BM_IntegerBareGetter);
BENCHMARK(BM_IntegerPropertyText);
BENCHMARK(BM_IntegerByName);
BENCHMARK(BM_StringBareGetter);
BENCHMARK(BM_StringPropertyText);
BENCHMARK(BM_StringByName);

}  // namespace
}  // namespace tarnik::framework

BENCHMARK_MAIN();
