#include "forest/codelists/database_class.h"

#include <gtest/gtest.h>

#include <memory>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/mel_drev.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class DatabaseClass : public ::testing::Test {
 protected:
  void SetUp() override { framework::RegisterFrameworkClasses(); }
  testing::ScopedProgramDir program_;
};

TEST_F(DatabaseClass, ListClassesAreCreatedOnceAndAddressRowsByKey) {
  auto container = std::make_unique<tciselnik>();
  TDatabaseClass* lt = container->DatabaseClass("Tb_LTClass");
  ASSERT_NE(lt, nullptr);
  EXPECT_EQ(lt->GetName(), "LT");
  EXPECT_EQ(container->DatabaseClass("TB_LTCLASS"), lt);
  EXPECT_EQ(framework::GetPropertyObject(container.get(), "Tb_LTClass"), lt);
  EXPECT_EQ(container->IndexOf(lt), 0);
  EXPECT_EQ(container->DatabaseClass("Tb_NicClass"), nullptr);
  EXPECT_EQ(lt->AddressField(), "KOD");
  EXPECT_EQ(platform::UpperAscii(lt->Source()), "CIS_LT");

  framework::TStringListElement* row = lt->Prvek("5k1");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->GetName(), "5K1");
  EXPECT_EQ(row->GetValue("POPIS"), "kyselá jedl. bučina metličková");
  EXPECT_EQ(lt->Prvek("5K1"), row);  // kept, not built again
  EXPECT_EQ(lt->Prvek("ZZZ"), nullptr);

  // A class that outlives its container finds no rows instead of reading a closed table.
  framework::TOwnerEntity holder;
  holder.AddElement(lt);
  container.reset();
  ASSERT_EQ(holder.GetCount(), 1);
  EXPECT_EQ(lt->Prvek("5S1"), nullptr);
  EXPECT_EQ(lt->Source(), "");
}

TEST_F(DatabaseClass, AmelioratingSpeciesClassJoinsTheRowTexts) {
  testing::TempDir tmp;
  const std::string unit = testing::CopySample("demo", tmp);
  engine::Database phs = engine::Database::Open(platform::JoinPath(unit, "PHS"));
  engine::Table mel(phs, "MEL_DREV");
  tciselnik container;
  container.Lists().tables().Bind("TB_Mel_Drev", &mel);
  auto* cls = dynamic_cast<TDatabaseMel_DrevClass*>(container.DatabaseClass("Tb_Mel_DrevClass"));
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->GetName(), "Mel_Drev");
  EXPECT_EQ(cls->GetPropertyText("DR_ZKR"), "");  // no current row yet
  ASSERT_TRUE(cls->NastavAdresu("1"));
  EXPECT_EQ(cls->GetPropertyText("DR_ZKR"), "BK&JD&KL&JB");
  EXPECT_EQ(cls->LT_SLT(), SiteTypesOfRow(mel.AsString("LT")));
  container.Lists().tables().Bind("TB_Mel_Drev", nullptr);
}

}  // namespace
}  // namespace tarnik::plan
