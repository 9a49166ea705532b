#include "forest/sharing_lock.h"

#include <gtest/gtest.h>

#include "platform/ini.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class SharingLock : public ::testing::Test {
 protected:
  std::string Holder() const {
    return platform::IniFile(SharingLockPath(klv_)).ReadString("Sdileni", "Prave_uziva", "");
  }
  void SetHolder(const std::string& user) {
    platform::IniFile(SharingLockPath(klv_)).WriteString("Sdileni", "Prave_uziva", user);
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  testing::TempDir dir_;
  std::string klv_ = dir_.File("MNOZINA.KLV");
};

TEST_F(SharingLock, LockFileSitsBesideTheModelFile) {
  EXPECT_EQ(SharingLockPath("/a/b/MN.KLV"), "/a/b/MN.UZI");
  EXPECT_NE(CurrentUserName(), "");
  EXPECT_NE(CurrentUserName(), "nikdo");
}

TEST_F(SharingLock, FreeLockIsTakenAndReleasedByItsHolder) {
  EXPECT_FALSE(ApplyReadOnly(false, true, true, klv_, "h"));
  EXPECT_EQ(Holder(), CurrentUserName());
  EXPECT_TRUE(ApplyReadOnly(true, true, false, klv_, "h"));
  EXPECT_EQ(Holder(), "nikdo");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SharingLock, ForeignLockAsksAndIsKeptOnNo) {
  SetHolder("jiny");
  ui_.answers.push_back(platform::Button::kNo);
  EXPECT_TRUE(ApplyReadOnly(false, true, true, klv_, "h"));
  EXPECT_EQ(Holder(), "jiny");
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_NE(ui_.Messages()[0].find("je uživatelem \"jiny\" již otevřen pro zápis."),
            std::string::npos);

  // Releasing a lock that someone else holds leaves it with them.
  EXPECT_TRUE(ApplyReadOnly(true, true, false, klv_, "h"));
  EXPECT_EQ(Holder(), "jiny");
}

TEST_F(SharingLock, ForeignLockIsTakenOverOnYes) {
  SetHolder("jiny");
  ui_.answers.push_back(platform::Button::kYes);
  EXPECT_FALSE(ApplyReadOnly(false, true, true, klv_, "h"));
  EXPECT_EQ(Holder(), CurrentUserName());
}

TEST_F(SharingLock, UncheckedSetsNeverTouchTheFile) {
  EXPECT_FALSE(ApplyReadOnly(false, false, true, klv_, "h"));
  EXPECT_TRUE(ApplyReadOnly(true, false, false, klv_, "h"));
  EXPECT_EQ(Holder(), "");
}

TEST_F(SharingLock, UnwritableLockReportsThreeMessagesAndKeepsTheMode) {
  testing::WriteFile(dir_.File("not-a-dir"), "x");
  const std::string klv = dir_.File("not-a-dir/M.KLV");
  EXPECT_TRUE(ApplyReadOnly(false, true, true, klv, "hist"));
  auto messages = ui_.Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].rfind(" chyba v TLesniMnozina.SetPouzeCteni chy=", 0), 0u);
  EXPECT_EQ(messages[1], "AO=" + klv);
  EXPECT_EQ(messages[2], "historie=hist");
}

}  // namespace
}  // namespace tarnik::plan
