#include <gtest/gtest.h>

#include "framework/framework_classes.h"
#include "framework/values/string_element.h"
#include "framework/values/string_list.h"
#include "framework/values/typed_values.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::framework {
namespace {

class StringListTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TStringListElement list_;
};

TEST_F(StringListTest, ValuesByKeyIgnoreAsciiCase) {
  list_.SetValue("Barva", "3");
  list_.SetValue("BARVA", "4");
  list_.NextValue("bez jména");
  ASSERT_EQ(list_.GetCount(), 2);
  EXPECT_EQ(list_.GetValue("barva"), "4");
  EXPECT_EQ(list_.GetValueInteger("barva"), 4);
  EXPECT_EQ(list_.GetValue("missing"), "");
  EXPECT_EQ(list_.FindValue("missing"), nullptr);
  EXPECT_EQ(list_.FindValue(""), nullptr);  // unnamed values have no key
  EXPECT_EQ(list_.FindValue("TStringElement"), nullptr);
  list_.SetValue("n", "12ab");
  EXPECT_EQ(list_.GetValueInteger("n"), 0);
  // Keys compare by ASCII rules only.
  list_.SetValue("čís", "1");
  EXPECT_EQ(list_.FindValue("ČÍS"), nullptr);
  EXPECT_NE(list_.FindValue("číS"), nullptr);
}

TEST_F(StringListTest, NextWritersAppend) {
  list_.SetPropertyText("NextNameIsValue", "abc");
  EXPECT_EQ(list_.GetCount(), 0);
  list_.SetPropertyText("NextNameIsValue", " k = v ");
  list_.SetPropertyText("NextName", "jen");
  list_.SetPropertyText("NextValue", "hodnota");
  ASSERT_EQ(list_.GetCount(), 3);
  EXPECT_EQ(list_.GetValue("k"), "v");
  EXPECT_NE(list_.FindValue("jen"), nullptr);
  EXPECT_EQ(list_.GetValue("jen"), "");
  EXPECT_EQ(list_.ValuesToStringList(), (std::vector<std::string>{"v", "", "hodnota"}));
  list_.SetPropertyText("NextStringList", "a=1\r\n\r\n  \nb\rc = 2");
  ASSERT_EQ(list_.GetCount(), 6);
  EXPECT_EQ(list_.GetValue("a"), "1");
  EXPECT_NE(list_.FindValue("b"), nullptr);
  EXPECT_EQ(list_.GetValue("c"), "2");
}

TEST_F(StringListTest, UnknownNamesBehaveAsExtraProperties) {
  list_.SetPropertyText("Nastaveni", "ano");
  EXPECT_EQ(list_.GetPropertyText("NASTAVENI"), "ano");
  EXPECT_TRUE(list_.GetPropertyBoolean("Nastaveni") == false);  // "a" is not "T"
  list_.SetPropertyInteger("Pocet", 7);
  EXPECT_EQ(list_.GetPropertyInteger("pocet"), 7);
  // A published property wins for writing; for reading only when its text is not empty.
  list_.SetPropertyText("Name", "SEZNAM");
  EXPECT_EQ(list_.GetName(), "SEZNAM");
  EXPECT_EQ(list_.FindValue("Name"), nullptr);
  list_.AddElement(new TStringElement("NextValue", "z"));
  EXPECT_EQ(list_.GetPropertyText("NextValue"), "z");  // write-only: empty, so the value
  EXPECT_EQ(list_.GetPropertyText("Count"), "3");
}

TEST_F(StringListTest, SplitNameValuesTrimsBothParts) {
  list_.NextValue(" a = b ");
  list_.NextValue("bez");
  list_.SplitNameValues();
  EXPECT_EQ(list_.GetValue("a"), "b");
  EXPECT_EQ(list_.ValuesToStringList(), (std::vector<std::string>{"b", "bez"}));
}

TEST_F(StringListTest, FilesAreWindows1250Lines) {
  testing::TempDir dir;
  std::string path = dir.File("nastaveni.ini");
  testing::WriteFile(path,
                     "Barva=\xE8"
                     "erven\xE1\r\nPr\xE1zdn\xFD\r\n\r\nbez rovn\xEDtka\nX = 1");
  EXPECT_TRUE(list_.LoadFromFile(path));
  ASSERT_EQ(list_.GetCount(), 4);
  EXPECT_EQ(list_.GetPropertyText("barva"), "červená");
  EXPECT_NE(list_.FindValue("Prázdný"), nullptr);
  EXPECT_EQ(list_.GetValue("x"), "1");

  std::string out = dir.File("out.ini");
  EXPECT_TRUE(list_.SaveToFile(out));
  EXPECT_EQ(testing::ReadFile(out),
            "Barva=\xE8"
            "erven\xE1\r\nPr\xE1zdn\xFD=\r\nbez rovn\xEDtka=\r\nX=1\r\n");

  TStringListElement other;
  EXPECT_FALSE(other.LoadFromFile(dir.File("chybi.ini")));
  EXPECT_EQ(other.GetCount(), 0);
  other.SetPropertyText("LoadFromFile", dir.File("NASTAVENI.INI"));  // names ignore case
  EXPECT_EQ(other.GetCount(), 4);
  EXPECT_FALSE(other.SaveToFile(dir.File("no/such/dir/x.ini")));
}

}  // namespace
}  // namespace tarnik::framework
