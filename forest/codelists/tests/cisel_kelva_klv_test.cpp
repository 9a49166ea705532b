#include <gtest/gtest.h>

#include <string>

#include "forest/block_io.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/forest_classes.h"
#include "framework/framework_classes.h"
#include "framework/handles.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class CiselKelvaKlv : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
  }

  // Saves a set of class T holding elements with the given keys as `file` in the directory.
  template <class T>
  void SaveSet(const std::string& file, std::initializer_list<const char*> keys) {
    T set;
    for (const char* key : keys) set.SetNovyPrvek(key);
    ASSERT_TRUE(UlozBlok(&set, platform::JoinPath(dir_.path(), file), 0));
  }

  static std::vector<std::string> Keys(const TLesniMnozina& set) {
    std::vector<std::string> keys;
    for (framework::TElement* e : set.Prvky()) keys.push_back(set.KeyOf(*e));
    return keys;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  testing::TempDir dir_;
};

TEST_F(CiselKelvaKlv, LoadedSetsReplaceThePreviousOnes) {
  SaveSet<THospSoubPhsMN>("HsPhs.KLV", {"1", "2"});
  SaveSet<TLesTypPhsMN>("LTPhs.KLV", {"5S"});
  SaveSet<TDrKtgPhsMN>("DrKtgPhs.KLV", {"10"});
  SaveSet<TSpecPodHSPhsMN>("SpecPPhs.KLV", {"A"});
  SaveSet<TCisHsMN>("CisHsPhs.KLV", {"21", "23", "25"});

  TCiselKelva kelva;
  kelva.HospSoubPhsMN()->SetNovyPrvek("old");
  framework::TElementRef old_set = kelva.HospSoubPhsMN();

  EXPECT_EQ(kelva.NactiPhsZKlv(dir_.path()), 5);
  EXPECT_EQ(old_set.Get(), nullptr);  // freed, not left behind
  EXPECT_EQ(Keys(*kelva.HospSoubPhsMN()), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(kelva.HospSoubPhsMN()->GetName(), "THospSoubPhsMN");
  EXPECT_EQ(Keys(*kelva.LesTypPhsMN()), (std::vector<std::string>{"5S"}));
  EXPECT_EQ(Keys(*kelva.DrKtgPhsMN()), (std::vector<std::string>{"10"}));
  EXPECT_EQ(Keys(*kelva.SpecPodHSPhsMN()), (std::vector<std::string>{"A"}));
  EXPECT_EQ(kelva.CisHsMN()->PocetPrvku(), 3);
  EXPECT_EQ(kelva.CountOfClass(THospSoubPhsMN::StaticClass()), 1);
  EXPECT_EQ(kelva.CountOfClass(TCisHsMN::StaticClass()), 1);

  // A second reload replaces again rather than adding a second set.
  EXPECT_EQ(kelva.NactiPhsZKlv(dir_.path()), 5);
  EXPECT_EQ(kelva.CountOfClass(THospSoubPhsMN::StaticClass()), 1);
  EXPECT_EQ(kelva.HospSoubPhsMN()->PocetPrvku(), 2);
}

TEST_F(CiselKelvaKlv, BrokenMissingOrForeignFilesKeepTheSet) {
  SaveSet<THospSoubPhsMN>("HsPhs.KLV", {"1"});
  platform::WriteFileBytes(platform::JoinPath(dir_.path(), "LTPhs.KLV"), "not a model file");
  SaveSet<TCisHsMN>("DrKtgPhs.KLV", {"21"});  // a set of another class

  TCiselKelva kelva;
  kelva.LesTypPhsMN()->SetNovyPrvek("keep");
  kelva.DrKtgPhsMN()->SetNovyPrvek("keep");
  kelva.SpecPodHSPhsMN()->SetNovyPrvek("keep");

  EXPECT_EQ(kelva.NactiPhsZKlv(dir_.path()), 1);
  EXPECT_EQ(Keys(*kelva.HospSoubPhsMN()), (std::vector<std::string>{"1"}));
  EXPECT_EQ(Keys(*kelva.LesTypPhsMN()), (std::vector<std::string>{"keep"}));
  EXPECT_EQ(Keys(*kelva.DrKtgPhsMN()), (std::vector<std::string>{"keep"}));
  EXPECT_EQ(Keys(*kelva.SpecPodHSPhsMN()), (std::vector<std::string>{"keep"}));
  EXPECT_EQ(kelva.CisHsMN()->PocetPrvku(), 0);
  const std::string broken = platform::JoinPath(dir_.path(), "LTPhs.KLV");
  EXPECT_EQ(ui_.Messages(),
            (std::vector<std::string>{"Soubor \"" + broken + "\" nejde načíst jako Klv."}));
}

}  // namespace
}  // namespace tarnik::plan
