#include "forest/codelists/mel_drev.h"

#include <gtest/gtest.h>

namespace tarnik::plan {
namespace {

TEST(MelDrevTexts, SpeciesAndSiteTypesOfARow) {
  EXPECT_EQ(JoinAmelioratingSpecies({"BK", " ", "", "JD", "KL "}), "BK&JD&KL ");
  EXPECT_EQ(JoinAmelioratingSpecies({}), "");
  EXPECT_EQ(SiteTypesOfRow(" 5S1  5S2   5K1$"), "5S1 5S2 5K1");
  EXPECT_EQ(SiteTypesOfRow("Ž"), "");
  EXPECT_EQ(SiteTypesOfRow(""), "");
}

}  // namespace
}  // namespace tarnik::plan
