// Every published property of every element a loaded unit holds is read as text, compartment by
// compartment, for the sample unit and for a generated one. Getters call each other by name, so a
// chain that comes back to where it started must end as a failed read, never as a stack overflow.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "bench/unit_generator.h"
#include "data/sources/merk/tests/merk_fixture.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "framework/entity.h"
#include "framework/handles.h"
#include "framework/property_text.h"
#include "platform/paths.h"
#include "testing/engine_test_util.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TElementRef;

// The elements below `root` (itself included), each once.
std::vector<TElementRef> Reachable(TElement* root, std::set<int32_t>& seen) {
  std::vector<TElementRef> out;
  std::vector<TElement*> todo{root};
  while (!todo.empty()) {
    TElement* e = todo.back();
    todo.pop_back();
    if (!e || !seen.insert(e->Handle()).second) continue;
    out.emplace_back(e);
    if (auto* entity = dynamic_cast<framework::TEntity*>(e)) {
      for (TElement* child : entity->Children()) todo.push_back(child);
    }
  }
  return out;
}

struct ReadCounts {
  long elements = 0;
  long properties = 0;
};

// Reads every property of every element the unit holds now. Some getters create what they answer
// (a set's "always" element, lazily made child sets); what they create is not read in turn, since
// each new element has such getters of its own.
void ReadEverything(TElement* root, ReadCounts& counts) {
  std::set<int32_t> seen;
  for (const TElementRef& ref : Reachable(root, seen)) {
    TElement* e = ref.Get();
    if (!e) continue;  // freed by a getter read before
    ++counts.elements;
    const int n = framework::PropertyCount(e->ClassType());
    for (int i = 0; i < n && ref.Get(); ++i) {
      framework::PropertyTextAt(*e, i);
      ++counts.properties;
    }
  }
}

class AllPropertiesTest : public ::testing::Test, public test::MerkUnitFixture {
 protected:
  // Loads the unit in `data` and reads everything of each compartment in turn.
  ReadCounts ReadUnit(const std::string& data, int* compartments) {
    UnitSession session = OpenUnitSession(data);
    EXPECT_TRUE(session.ok()) << session.failure;
    ReadCounts counts;
    if (!session.ok()) return counts;
    *compartments = 0;
    session.unit->ZnovuNacti();
    for (;;) {
      ++*compartments;
      ReadEverything(session.unit, counts);
      if (session.unit->JeKonec() || !session.unit->NactiDalsiOddeleni(false)) break;
    }
    CloseUnitSession(session);
    return counts;
  }
};

TEST_F(AllPropertiesTest, EveryPropertyOfTheSampleUnitReadsWithoutCrashing) {
  const std::string data = tmp.File("demo/DATA");
  engine::test::BuildSqlDirectory("samples/demo/DATA", data);
  engine::test::BuildSqlDirectory("samples/demo/PHS", tmp.File("demo/PHS"));
  int compartments = 0;
  const ReadCounts counts = ReadUnit(data, &compartments);
  EXPECT_EQ(compartments, 3);
  EXPECT_GT(counts.elements, 100);
  EXPECT_GT(counts.properties, 5000);
  // No getter of the sample's elements comes back to itself.
  for (const std::string& m : ui.Messages()) {
    EXPECT_EQ(m.find("čte samu sebe"), std::string::npos) << m;
    EXPECT_EQ(m.find("vnořeno"), std::string::npos) << m;
  }
}

TEST_F(AllPropertiesTest, EveryPropertyOfAGeneratedUnitReadsWithoutCrashing) {
  bench::UnitOptions options;
  options.compartments = 4;
  options.seed = 7;
  options.out_dir = tmp.File("generated");
  options.codelist_dir = platform::ProgramFile("CISELNIK");
  bench::GenerateUnit(options);
  int compartments = 0;
  const ReadCounts counts = ReadUnit(tmp.File("generated/DATA"), &compartments);
  EXPECT_EQ(compartments, 4);
  EXPECT_GT(counts.properties, 5000);
}

}  // namespace
}  // namespace tarnik::plan
