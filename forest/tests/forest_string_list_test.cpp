#include "forest/forest_string_list.h"

#include <gtest/gtest.h>

#include <memory>

#include "forest/tests/forest_test_classes.h"
#include "framework/values/string_list.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class ForestStringList : public ::testing::Test {
 protected:
  void SetUp() override { testing::RegisterTestClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  tarnik::testing::TempDir dir_;
};

TEST_F(ForestStringList, IniSectionBecomesTheListAndTheCurrentItemIsTested) {
  const std::string file = dir_.File("UnivExp.ini");
  tarnik::testing::WriteFile(file, "[Export]\r\nMZD=ANO\r\nLHO=ne\r\n[Jine]\r\nX=1\r\n");
  std::unique_ptr<TLesniStringListElement> seznam(SeznamZIniSekce(file, "Export"));
  ASSERT_NE(seznam->StringListElement(), nullptr);
  EXPECT_EQ(seznam->IndexOf(seznam->StringListElement()), 0);  // held as a child
  EXPECT_TRUE(ui_.Messages().empty());

  seznam->SetPropertyText("AktualniPolozka", "mzd");
  EXPECT_EQ(seznam->GetPropertyText("AktualniJeVSeznamu"), "True");
  EXPECT_EQ(seznam->GetPropertyText("AktualniJeVSeznamuAMaAno"), "True");
  EXPECT_EQ(seznam->AktualniPolozka(), "MZD");  // stored back upper-cased
  seznam->SetAktualniPolozka("LHO");
  EXPECT_TRUE(seznam->AktualniJeVSeznamu());
  EXPECT_FALSE(seznam->AktualniJeVSeznamuAMaAno());
  seznam->SetAktualniPolozka("X");
  EXPECT_FALSE(seznam->AktualniJeVSeznamu());
}

TEST_F(ForestStringList, MissingSectionIsReportedAndLeavesNoList) {
  const std::string file = dir_.File("UnivExp.ini");
  tarnik::testing::WriteFile(file, "[Jine]\r\nX=1\r\n");
  std::unique_ptr<TLesniStringListElement> seznam(SeznamZIniSekce(file, "Export"));
  EXPECT_EQ(seznam->StringListElement(), nullptr);
  EXPECT_FALSE(seznam->AktualniJeVSeznamuAMaAno());
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Chybí soubor \"" + file + "\" nebo v něm sekce \"Export\".");
}

TEST_F(ForestStringList, LinesBecomeNamedValues) {
  EXPECT_EQ(SeznamNaElement(nullptr), nullptr);
  const std::vector<std::string> lines = {"a b", "c"};
  std::unique_ptr<framework::TStringListElement> list(SeznamNaElement(&lines));
  ASSERT_EQ(list->GetCount(), 2);
  EXPECT_EQ(list->GetValue("a b"), "a b");
  EXPECT_EQ(list->GetValue("C"), "c");
}

}  // namespace
}  // namespace tarnik::plan
