// The forest unit over a plan source of its tests: whatever the source, the unit locates it
// through the registered recognisers, keeps every match's side effects, delivers the source's
// compartments one at a time and lets the source go cleanly.
#include <gtest/gtest.h>

#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/layers/owner_transformation.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/source_register.h"
#include "forest/unit/source_without_reader.h"
#include "forest/unit/tests/fake_plan_source.h"
#include "framework/handles.h"
#include "platform/fs.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

constexpr uint8_t kTestKind = 6;

class UnitSourceTest : public ::testing::Test, public test::UnitFixture {
 protected:
  // Registers a recogniser at the database step that answers the fake source for `dir`.
  void RegisterFake(const std::string& dir, std::vector<int32_t> numbers,
                    std::vector<::tarnik::plan::Setting> settings = {}) {
    sources_.Add(
        DetectionStep::kDatabase, "fake", [this, dir, numbers, settings](const SourceQuery& query) {
          std::optional<SourceMatch> match;
          if (query.text != dir) return match;
          match.emplace();
          match->source = std::make_unique<test::FakePlanSource>(kTestKind, numbers, &journal_);
          match->settings = settings;
          return match;
        });
  }

  SourceRegister sources_;
  ScopedPlanSources scoped_{&sources_};
  test::SourceJournal journal_;
};

TEST_F(UnitSourceTest, TheUnitDeliversWhatItsSourceReadsOneCompartmentAtATime) {
  const std::string dir = Dir("data");
  RegisterFake(dir, {12, 5});
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  EXPECT_EQ(unit.TypZdroje(), kTestKind);
  EXPECT_EQ(unit.adresarObecnychDatLHP(), dir);
  EXPECT_EQ(Setting("DATA_OBECNE"), dir);
  // The unit answers from its source.
  EXPECT_EQ(unit.ZdrojNazev(), "/data/zdroj");
  EXPECT_EQ(unit.PHSNazev(), "/data/PHS");
  EXPECT_EQ(unit.AdresarTabulky_TBSepMaj(), "/data/zdroj/TBSepMaj.DB");
  EXPECT_TRUE(journal_.calls.empty());  // nothing is read while locating

  unit.ZnovuNacti();
  EXPECT_EQ(journal_.calls, (std::vector<std::string>{"list", "header", "read"}));
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{"  5", " 12"}));
  EXPECT_EQ(unit.JakBylNacten(), "Zkušební zdroj");
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "Zkušební celek");
  ASSERT_NE(unit.LHC()->Oddeleni(), nullptr);
  framework::TElementRef first(unit.LHC()->Oddeleni());
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 12);
  EXPECT_FALSE(unit.JeKonec());

  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  EXPECT_FALSE(first);  // the previous compartment is freed
  EXPECT_EQ(unit.LHC()->OddeleniMN()->PocetPrvku(), 1);
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 5);
  EXPECT_TRUE(unit.JeKonec());
  // At the end the source is not asked again.
  const size_t asked = journal_.calls.size();
  EXPECT_FALSE(unit.NactiDalsiOddeleni(false));
  EXPECT_EQ(journal_.calls.size(), asked);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(UnitSourceTest, TheOwnerTransformationIsAppliedToTheCompartmentsOfAnySource) {
  const std::string dir = Dir("data");
  RegisterFake(dir, {3, 4});
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  auto* row = new TTransforDleMajitele();
  row->odd = 4;
  row->dil = "Z";
  unit.TransforDleMajiteleMN()->AddElement(row);
  unit.ZnovuNacti();
  EXPECT_TRUE(ui.Messages().empty());
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"V oddělení 4neexistuje dílec \"Z\""});
}

TEST_F(UnitSourceTest, EveryMatchKeepsItsSideEffectsAndTheLastOneIsTheSource) {
  const std::string dir = Dir("data");
  // Part files that name the unit, exchange files, then the source itself.
  sources_.Add(DetectionStep::kPartFiles, "parts", [](const SourceQuery&) {
    SourceMatch match;
    match.source = std::make_unique<SourceWithoutReader>(0);
    match.lhc_kod = 123;
    return std::optional<SourceMatch>(std::move(match));
  });
  sources_.Add(DetectionStep::kExchangeFiles, "exchange", [](const SourceQuery&) {
    SourceMatch match;
    match.source = std::make_unique<SourceWithoutReader>(4);
    match.exchange_files = true;
    return std::optional<SourceMatch>(std::move(match));
  });
  RegisterFake(dir, {1}, {{"MANAGER", "NE"}, {"DATA", "PATH=" + dir}});
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir + "/", false);
  EXPECT_EQ(unit.TypZdroje(), kTestKind);
  EXPECT_EQ(unit.LHC()->LHC_KOD(), 123);
  EXPECT_EQ(unit.AdresarStandardu(), dir);
  EXPECT_EQ(Setting("MANAGER"), "NE");
  EXPECT_EQ(Setting("DATA"), "PATH=" + dir);
  EXPECT_EQ(Setting("DATA_OBECNE"), dir);
}

TEST_F(UnitSourceTest, TheSourceIsLetGoWithItsCodeListsWhenTheUnitLocatesAgainOrDies) {
  const std::string dir = Dir("data");
  RegisterFake(dir, {1});
  {
    TLesniCelek unit;
    unit.NajdiDataLHP(false, dir, false);
    unit.Ciselnik();
    unit.ZnovuNacti();
    EXPECT_EQ(journal_.unbound, 0);
    unit.NajdiDataLHP(false, Dir("empty"), false);
    EXPECT_EQ(journal_.unbound, 1);
    // Nothing is recognised there: the unit holds a source without a reader.
    EXPECT_EQ(unit.TypZdroje(), kSourceUnknown);
    EXPECT_EQ(unit.ZdrojNazev(), kNoSourceName);
    EXPECT_FALSE(unit.Source().IsOpen());
    EXPECT_TRUE(unit.JeKonec());
    unit.ZnovuNacti();
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{kCannotListCompartments});

    unit.NajdiDataLHP(false, dir, false);
    EXPECT_EQ(unit.TypZdroje(), kTestKind);
  }
  EXPECT_EQ(journal_.unbound, 2);
}

}  // namespace
}  // namespace tarnik::plan
