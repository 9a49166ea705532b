#include "forest/hierarchy/navigation.h"

#include <gtest/gtest.h>

#include "forest/hierarchy/tests/hierarchy_fixture.h"

namespace tarnik::plan {
namespace {

using NavigationTest = HierarchyTest;

TEST_F(NavigationTest, KdyzJeEndsAtTheFirstEmptySet) {
  EXPECT_EQ(AktualniSkupina(lhc_.get(), Sila::kKdyzJe), nullptr);
  EXPECT_EQ(lhc_->OddeleniMN()->PocetPrvku(), 0);  // nothing created on the way
  TPorost* stand = SampleStand();
  EXPECT_EQ(AktualniPorost(lhc_.get(), Sila::kKdyzJe), stand);
  EXPECT_EQ(AktualniSkupina(lhc_.get(), Sila::kKdyzJe), nullptr);
  // Without a current element the last one answers.
  Group(stand, "1");
  TPorostniSkupina* last = Group(stand, "2");
  stand->PorostniSkupinaMN()->SetAktualniPrvek(nullptr);
  EXPECT_EQ(AktualniSkupina(lhc_.get(), Sila::kKdyzJe), last);
  // A missing holder ends the chain as well.
  EXPECT_EQ(AktualniDrevina(nullptr, Sila::kVzdy), nullptr);
}

TEST_F(NavigationTest, VzdyCreatesTheMissingSteps) {
  auto* group = dynamic_cast<TPorostniSkupina*>(AktualniSkupina(lhc_.get(), Sila::kVzdy));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(lhc_->Oddeleni()->GetName(), "ODD Vzdy");
  EXPECT_EQ(group->Porost()->POR(), "Vzdy");
  // The group set normalises the key as every other group key.
  EXPECT_EQ(group->PSK(), "vzdy");
  EXPECT_EQ(AktualniSkupina(lhc_.get(), Sila::kVzdy), group);
}

TEST_F(NavigationTest, VzdyNPrefersTheFirstElement) {
  TPorost* stand = SampleStand();
  TPorostniSkupina* first = Group(stand, "1");
  Group(stand, "2");
  stand->PorostniSkupinaMN()->SetAktualniPrvek(nullptr);
  EXPECT_EQ(AktualniSkupina(lhc_.get(), Sila::kVzdyN), first);
  EXPECT_EQ(stand->PorostniSkupinaMN()->PocetPrvku(), 2);
}

}  // namespace
}  // namespace tarnik::plan
