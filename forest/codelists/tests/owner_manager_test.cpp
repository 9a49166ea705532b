#include "forest/codelists/owner_manager.h"

#include <gtest/gtest.h>

namespace tarnik::plan {
namespace {

std::vector<OwnerManagers> Owners() {
  OwnerManagers town;
  town.maj_druh = " 2";
  town.maj_kod = "15 ";
  town.olh = "4";
  town.olh_list = {"11", "12", "13"};
  town.stands[0] = {{"11", "B", "1", ""}};
  town.stands[2] = {{"11", "B", "1", ""}, {"12", "A", "2", "1 a"}};
  OwnerManagers other;
  other.maj_druh = "1";
  other.maj_kod = "15";
  other.olh = "9";
  return {town, other};
}

TEST(OwnerManager, OwnersManagerAppliesOutsideTheListedStands) {
  EXPECT_EQ(ManagerOfOwner(Owners(), 2, 15, {"13", "A", "1", ""}, "x"), "4");
  EXPECT_EQ(ManagerOfOwner(Owners(), 1, 15, {"11", "B", "1", ""}, "x"), "9");
}

TEST(OwnerManager, LaterPerStandListsWin) {
  EXPECT_EQ(ManagerOfOwner(Owners(), 2, 15, {"11", "B", "1", ""}, "x"), "13");
  EXPECT_EQ(ManagerOfOwner(Owners(), 2, 15, {"12", "A", "2", "1a"}, "x"), "13");
  EXPECT_EQ(ManagerOfOwner(Owners(), 2, 15, {"12", "A", "2", ""}, "x"), "4");  // a stand
}

TEST(OwnerManager, UnknownOwnerKeepsTheCurrentAnswer) {
  EXPECT_EQ(ManagerOfOwner(Owners(), 3, 15, {"11", "B", "1", ""}, "x"), "x");
  EXPECT_EQ(ManagerOfOwner({}, 2, 15, {"11", "B", "1", ""}, ""), "");
}

}  // namespace
}  // namespace tarnik::plan
