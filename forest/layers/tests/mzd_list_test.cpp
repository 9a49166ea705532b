#include "forest/layers/mzd_list.h"

#include <gtest/gtest.h>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/kelva_codes.h"
#include "forest/forest_classes.h"
#include "framework/framework_classes.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {
namespace {

class MzdListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
  }
  std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (framework::TElement* e : codes_.MZDHospSoubMN()->Prvky()) {
      auto* r = static_cast<TMZDHospSoub*>(e);
      keys.push_back(std::to_string(r->Number("CISLO_HS")) + "/" + r->Text("LT_SLT"));
    }
    return keys;
  }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TCiselKelva codes_;
};

TEST_F(MzdListTest, KeysStayInOrderAndOnce) {
  TMZDHospSoubMN& list = *codes_.MZDHospSoubMN();
  PridejKlicMZD(list, 21, "1A");
  PridejKlicMZD(list, 21, "1A");
  PridejKlicMZD(list, 5, "3K");
  PridejKlicMZD(list, 25, "1A");
  PridejKlicMZD(list, 21, "1A9");
  EXPECT_EQ(Keys(), (std::vector<std::string>{"5/3K", "21/1A", "21/1A9", "25/1A"}));
}

TEST_F(MzdListTest, ExpansionReplacesTheList) {
  TMZDHospSoubMN& list = *codes_.MZDHospSoubMN();
  PridejKlicMZD(list, 21, "1A");
  PridejKlicMZD(list, 5, "3K");
  PridejKlicMZD(list, 11, "9Q");  // no row: no records
  RozvinMZDHospSoub(codes_);
  TMZDHospSoubMN* expanded = codes_.MZDHospSoubMN();
  ASSERT_EQ(expanded->PocetPrvku(), 8 + 13);
  auto* first = static_cast<TMZDHospSoub*>(expanded->Prvky().front());
  EXPECT_EQ(first->Number("CISLO_HS"), 5);
  EXPECT_EQ(first->Number("MZD"), 25);
  EXPECT_EQ(first->Text("DR_ZKR"), "BK");
  EXPECT_EQ(first->Text("LT_SLT"), "3K");
  auto* last = static_cast<TMZDHospSoub*>(expanded->Prvky().back());
  EXPECT_EQ(last->Text("DR_ZKR"), "TS");
  EXPECT_EQ(last->Number("MZD"), 30);
  EXPECT_EQ(codes_.CountOfClass(TMZDHospSoubMN::StaticClass()), 1);  // the old list is gone
}

}  // namespace
}  // namespace tarnik::plan
