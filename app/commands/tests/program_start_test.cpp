#include "app/commands/program_start.h"

#include <gtest/gtest.h>

#include "app/commands/tests/program_fixture.h"
#include "app/tool/main_tool.h"
#include "data/sources/merk/merk_detection.h"
#include "data/sources/merk/merk_source.h"
#include "forest/unit/lesni_celek.h"
#include "framework/class_register.h"
#include "framework/models/world.h"

namespace tarnik::app {
namespace {

class ProgramStartTest : public ::testing::Test, public test::ProgramUnitFixture {
 protected:
  void TearDown() override { framework::ResetWorld(); }
};

TEST_F(ProgramStartTest, RegistersEverySourceInDetectionOrderAndStartsTheTool) {
  const std::vector<std::string> order = {"ALIAS", "LCR-Oracle", "LHP160", "FST", "Merk"};
  EXPECT_EQ(sources.Names(), order);  // as the fixture's start registered them

  tarnik::testing::WriteFile(program.File("start.ksl"), "WORLD.MainTool.Name = 'Spuštěn'\r\n");
  apptool::TMainTool* tool = StartProgram({program.File("start.ksl")});
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(framework::World().MainTool(), tool);
  EXPECT_EQ(tool->GetName(), "Spuštěn");
  // A second start registers nothing twice.
  EXPECT_EQ(sources.Names(), order);
  // Every class of the program can be created by name, the forest unit too.
  std::unique_ptr<framework::TElement> unit(framework::CreateElementByClassName("TLesniCelek"));
  ASSERT_NE(dynamic_cast<plan::TLesniCelek*>(unit.get()), nullptr);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ProgramStartTest, TheLaterDetectionStepWinsWhateverTheRegistrationOrder) {
  // A directory with part files and a planning database is the database.
  plan::SourceRegister reversed;
  plan::ScopedPlanSources scoped(&reversed);
  plan::RegisterMerkSource();
  RegisterPlanSources();
  EXPECT_EQ(reversed.Names().back(), "Merk");
  const std::string dir = Dir("both");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  plan::test::WriteMerkDatabase(dir, 77, true);
  plan::TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  EXPECT_EQ(unit.TypZdroje(), plan::kSourceMerk98);
}

}  // namespace
}  // namespace tarnik::app
