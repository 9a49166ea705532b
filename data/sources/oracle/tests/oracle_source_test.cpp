#include "data/sources/oracle/oracle_source.h"

#include <gtest/gtest.h>

#include "forest/unit/plan_source.h"
#include "forest/unit/source_register.h"

namespace tarnik::plan {
namespace {

TEST(OracleSources, AreRecognisedFromTheChosenTextAlone) {
  std::optional<SourceMatch> alias = RecogniseAliasChoice(MakeSourceQuery("ALIAS"));
  ASSERT_TRUE(alias);
  EXPECT_EQ(alias->source->Kind(), kSourceAlias);
  EXPECT_FALSE(RecogniseAliasChoice(MakeSourceQuery("alias")));
  EXPECT_FALSE(RecogniseAliasChoice(MakeSourceQuery("ALIAS2")));
  EXPECT_FALSE(RecogniseLcrOracle(MakeSourceQuery("ALIAS")));

  std::optional<SourceMatch> lcr = RecogniseLcrOracle(MakeSourceQuery("spojení LCR-Oracle 2"));
  ASSERT_TRUE(lcr);
  EXPECT_EQ(lcr->source->Kind(), kSourceLcrOracle);
  EXPECT_FALSE(lcr->lhc_kod);
  EXPECT_TRUE(lcr->settings.empty());
  EXPECT_FALSE(RecogniseLcrOracle(MakeSourceQuery("LCR-ORACLE")));
  // Neither can be read yet: their data end at once.
  EXPECT_TRUE(lcr->source->AtEnd());
  EXPECT_FALSE(lcr->source->IsOpen());
}

TEST(OracleSources, RegisterBothAtTheChoiceStepOnce) {
  SourceRegister sources;
  ScopedPlanSources scoped(&sources);
  RegisterOracleSources();
  RegisterOracleSources();
  EXPECT_EQ(sources.Names(), (std::vector<std::string>{"ALIAS", "LCR-Oracle"}));
  EXPECT_EQ(sources.Choose(" ALIAS/", false).source->Kind(), kSourceAlias);
  EXPECT_EQ(sources.Choose("NicSeNavybralo", false).source, nullptr);
}

}  // namespace
}  // namespace tarnik::plan
