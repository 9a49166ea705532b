#include "forest/forest_set.h"

#include <gtest/gtest.h>

#include <memory>

#include "forest/sharing_lock.h"
#include "forest/tests/forest_test_classes.h"
#include "framework/handles.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TElementRef;
using testing::NewVzorek;
using testing::TVzorek;
using testing::TVzorekMN;

class ForestSet : public ::testing::Test {
 protected:
  void SetUp() override { testing::RegisterTestClasses(); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (TElement* e : set_->Prvky()) names.push_back(e->GetName());
    return names;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (TElement* e : set_->Prvky()) texts.push_back(e->GetPropertyText("TEXT"));
    return texts;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  std::unique_ptr<TVzorekMN> set_ = std::make_unique<TVzorekMN>();
};

TEST_F(ForestSet, ElementsAreNamedPrefixAndKeyOnce) {
  set_->SetNovyPrvek("5");
  ASSERT_EQ(set_->PocetPrvku(), 1);
  EXPECT_EQ(set_->AktualniPrvek()->GetName(), "ODD 5");
  EXPECT_TRUE(set_->AktualniPrvek()->Is<TVzorek>());

  set_->AddElement(NewVzorek("7"));
  set_->AddElement(NewVzorek("ODD 9"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"ODD 5", "ODD 7", "ODD 9"}));
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "9");

  set_->SetNovyPrvek("  5");
  EXPECT_EQ(set_->AktualniPrvek()->GetName(), "ODD   5");
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "  5");  // blanks of the key are kept

  // A key that itself begins with the prefix keeps it in the name.
  set_->SetNovyPrvekVzdy("ODDx");
  EXPECT_EQ(set_->AktualniPrvek()->GetName(), "ODD ODDx");
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "ODDx");
}

TEST_F(ForestSet, NewElementWithAnExistingKeyChangesNothingAndClearsTheCurrent) {
  set_->SetNovyPrvek("5");
  set_->SetNovyPrvek("6");
  set_->SetNovyPrvek("5");
  EXPECT_EQ(set_->PocetPrvku(), 2);
  EXPECT_EQ(set_->AktualniPrvek(), nullptr);
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), kNoElementKey);

  set_->SetNovyPrvekVzdy("5");  // duplicates allowed
  EXPECT_EQ(set_->PocetPrvku(), 3);

  set_->SetNovyNeboAktualniPrvek("6");
  EXPECT_EQ(set_->PocetPrvku(), 3);
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "6");
  set_->SetNovyNeboAktualniPrvek("8");
  EXPECT_EQ(set_->PocetPrvku(), 4);
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "8");
}

TEST_F(ForestSet, ElementsOfAnotherClassAreRefused) {
  auto* foreign = new TLesniMnozina();
  foreign->SetName("cizi");
  set_->AddElement(foreign);
  EXPECT_EQ(set_->GetCount(), 0);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Prvek \"cizi\" neni typem pro mnozinu \"TVzorekMN\"");
  delete foreign;
}

TEST_F(ForestSet, KeepingOnlyOneElementFreesThePreviousOnes) {
  set_->SetNechavatJenJedenPrvek(true);
  set_->SetNovyPrvek("1");
  TElementRef first = set_->AktualniPrvek();
  set_->SetNovyPrvek("2");
  EXPECT_FALSE(first);  // freed, not just unlinked
  EXPECT_EQ(Names(), std::vector<std::string>{"ODD 2"});

  // Adding the element the set holds already keeps it.
  TElementRef second = set_->AktualniPrvek();
  set_->AddElement(second.Get());
  ASSERT_TRUE(second);
  EXPECT_EQ(set_->AktualniPrvek(), second.Get());
}

TEST_F(ForestSet, CurrentElementSelectionAndTheAlwaysAccessors) {
  EXPECT_EQ(set_->AktualniPrvekKdyzJe(), nullptr);
  TElement* vzdy = set_->AktualniPrvekVzdy();
  ASSERT_NE(vzdy, nullptr);
  EXPECT_EQ(vzdy->GetName(), "ODD Vzdy");

  // An existing "Vzdy" is selected, not refused.
  set_->SetAktualniPrvek(nullptr);
  EXPECT_EQ(set_->AktualniPrvekVzdy(), vzdy);
  EXPECT_EQ(set_->PocetPrvku(), 1);

  set_->SetNovyPrvek("1");
  set_->SetNovyPrvek("2");
  set_->SetJmenoAktualnihoPrvku("1");
  EXPECT_EQ(set_->JmenoStarehoPrvku(), "2");
  EXPECT_EQ(set_->PoradiAktualnihoPrvku(), 1);
  set_->DalsiAktualni();
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "2");
  set_->DalsiAktualni();  // the last stays current
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "2");

  set_->SetAktualniPrvek(nullptr);
  EXPECT_EQ(set_->AktualniPrvekKdyzJe()->GetName(), "ODD 2");
  EXPECT_EQ(set_->AktualniPrvekVzdyN(), vzdy);

  // A removed current element no longer counts as being in the set; a freed one reads nil.
  set_->SetJmenoAktualnihoPrvku("2");
  TElement* two = set_->AktualniPrvek();
  set_->RemoveElement(two);
  EXPECT_FALSE(set_->JeAktualniVMnozine());
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), kNoElementKey);
  delete two;
  EXPECT_EQ(set_->AktualniPrvek(), nullptr);

  set_->SetJmenoAktualnihoPrvku("nic");
  EXPECT_EQ(set_->AktualniPrvek(), nullptr);
  set_->UvolniVse();
  EXPECT_EQ(set_->GetCount(), 0);
}

TEST_F(ForestSet, PublishedPropertiesDriveTheSetByText) {
  set_->SetPropertyText("NovyPrvek", "3");
  set_->SetPropertyText("NovyPrvekVzdy", "4");
  EXPECT_EQ(set_->GetPropertyText("PocetPrvku"), "2");
  EXPECT_EQ(set_->GetPropertyText("JmenoAktualnihoPrvku"), "4");
  set_->SetPropertyText("JmenoAktualnihoPrvku", "3");
  EXPECT_EQ(set_->GetPropertyText("PoradiAktualnihoPrvku"), "0");
  EXPECT_EQ(set_->GetPropertyText("AktualniPrvek"),
            std::to_string(set_->AktualniPrvek()->Handle()));
  set_->SetPropertyText("PredponaName", "X");
  EXPECT_EQ(set_->PredponaName(), "X");
  EXPECT_FALSE(set_->ClassType().Find("NovyPrvek")->DeclaredStored());
}

TEST_F(ForestSet, JoinsSumsAndLookupsOverTheElements) {
  set_->AddElement(NewVzorek("1", 10, "1"));
  set_->AddElement(NewVzorek("2", 20, " "));
  set_->AddElement(NewVzorek("3", 20, "3"));
  EXPECT_EQ(set_->SpojHodnotyProperty("TEXT", "|"), "1|3");
  EXPECT_DOUBLE_EQ(set_->SoucetProperty("CISLO"), 50);
  EXPECT_EQ(set_->PrvekSMaxProperty("CISLO")->GetName(), "ODD 2");  // first of the ties
  EXPECT_EQ(set_->PocetPrvkuSHodnotou("CISLO", " 20 "), 2);

  // The current element is tested first, otherwise the last match wins.
  set_->SetJmenoAktualnihoPrvku("2");
  EXPECT_EQ(set_->PrvekPodleHodnotyProperty("CISLO", "20")->GetName(), "ODD 2");
  set_->SetJmenoAktualnihoPrvku("1");
  EXPECT_EQ(set_->PrvekPodleHodnotyProperty("CISLO", "20")->GetName(), "ODD 3");
  EXPECT_FALSE(set_->ExistujePrvekSHodnotou("CISLO", "30"));

  EXPECT_EQ(set_->HodnotaPodleKlice("CISLO", "20", "NAME"), "ODD 3");
  EXPECT_EQ(set_->HodnotaPodleKlice("CISLO", "99", "NAME"), "*");
  TVzorekMN empty;
  EXPECT_EQ(empty.HodnotaPodleKlice("CISLO", "20", "NAME"), "*0");
  EXPECT_EQ(empty.PrvekSMaxProperty("CISLO"), nullptr);

  set_->NastavPropertyVsem("CISLO", "7");
  EXPECT_DOUBLE_EQ(set_->SoucetProperty("CISLO"), 21);
}

TEST_F(ForestSet, SplittingFillsElementsInOrderAndAppendsMissingOnes) {
  set_->AddElement(NewVzorek("a"));
  set_->RozlozDoPrvku("TEXT", "x;y;z", ";");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "y", "z"}));
  set_->RozlozJmena("p;q", ";");
  EXPECT_EQ(Names()[0], "ODD p");
  EXPECT_EQ(Names()[1], "ODD q");
  set_->RozlozDoPrvku("TEXT", "solo", ";");
  EXPECT_EQ(Texts()[0], "solo");
  EXPECT_EQ(set_->PocetPrvku(), 3);
}

TEST_F(ForestSet, SortingByTextAndNumberKeepsCurrentAndFreesNothing) {
  set_->SetNechavatJenJedenPrvek(false);
  set_->AddElement(NewVzorek("1", 3, "čáp"));
  set_->AddElement(NewVzorek("2", 1, "beran"));
  set_->AddElement(NewVzorek("3", 2, "cap"));
  set_->AddElement(NewVzorek("4", 2, "Adam"));
  set_->SetJmenoAktualnihoPrvku("2");
  set_->SetNechavatJenJedenPrvek(true);  // must not free anything while re-adding

  set_->SetridPodleProperty("TEXT", true);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Adam", "beran", "cap", "čáp"}));
  EXPECT_EQ(set_->JmenoAktualnihoPrvku(), "2");

  set_->SetridPodlePropertyCislo("CISLO", false);
  std::vector<std::string> numbers;
  for (TElement* e : set_->Prvky()) numbers.push_back(e->GetPropertyText("CISLO"));
  EXPECT_EQ(numbers, (std::vector<std::string>{"3", "2", "2", "1"}));
  EXPECT_EQ(set_->PocetPrvku(), 4);

  set_->SetridPodleProperty("NEEXISTUJE", true);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "V prvcích množiny TVzorekMN není properta \"NEEXISTUJE\"");
  std::vector<std::string> after;
  for (TElement* e : set_->Prvky()) after.push_back(e->GetPropertyText("CISLO"));
  EXPECT_EQ(after, numbers);
}

TEST_F(ForestSet, BinaryAndRangeSearchOnASortedSet) {
  EXPECT_EQ(set_->PoziceVSetrideneCislo("CISLO", 5), -1);
  EXPECT_EQ(set_->RozsahVSetrideneCislo("CISLO", 5).count, 0);
  const int values[] = {10, 20, 20, 20, 30, 40};
  int n = 0;
  for (int v : values) set_->AddElement(NewVzorek(std::to_string(n++), v, "t" + std::to_string(v)));

  EXPECT_EQ(set_->PoziceVSetrideneCislo("CISLO", 20), 3);
  EXPECT_EQ(set_->PoziceVSetrideneCislo("CISLO", 25), 3);
  EXPECT_EQ(set_->PoziceVSetrideneCislo("CISLO", 5), 0);
  EXPECT_EQ(set_->PoziceVSetrideneCislo("CISLO", 99), 5);

  SortedRange run = set_->RozsahVSetrideneCislo("CISLO", 20);
  EXPECT_EQ(run.start, 1);
  EXPECT_EQ(run.count, 3);
  SortedRange gap = set_->RozsahVSetrideneCislo("CISLO", 25);
  EXPECT_EQ(gap.start, 4);
  EXPECT_EQ(gap.count, 0);

  TVzorekMN target;
  set_->VyberPodleHodnoty("TEXT", "t20", target);
  EXPECT_EQ(target.PocetPrvku(), 3);
  EXPECT_EQ(set_->PocetPrvku(), 6);  // shared, not moved
  TVzorekMN none;
  set_->VyberPodleHodnoty("TEXT", "t25", none);
  EXPECT_EQ(none.PocetPrvku(), 0);
}

TEST_F(ForestSet, ReadOnlyModeTakesAndReleasesTheSharingLock) {
  tarnik::testing::TempDir dir;
  set_->SetAdresaKlvu(dir.File("ODD.KLV"));
  set_->SetPouzeCteni(true);  // not checked: no lock file
  EXPECT_TRUE(set_->PouzeCteni());
  EXPECT_FALSE(platform::FileExists(dir.File("ODD.UZI")));

  set_->SetKontrolovatSdileni(true);
  set_->SetPropertyText("PouzeCteni", "False");
  EXPECT_FALSE(set_->PouzeCteni());
  EXPECT_NE(tarnik::testing::ReadFile(dir.File("ODD.UZI")).find(CurrentUserName()),
            std::string::npos);
  set_->SetPouzeCteni(true);
  EXPECT_TRUE(set_->PouzeCteni());
  EXPECT_NE(tarnik::testing::ReadFile(dir.File("ODD.UZI")).find("nikdo"), std::string::npos);
  EXPECT_TRUE(ui_.Messages().empty());
}

}  // namespace
}  // namespace tarnik::plan
