#include "app/gui/map_preparation.h"

#include <stdexcept>

#include "app/gui/tests/gui_fixture.h"
#include "app/tool/main_tool.h"
#include "data/engine/aliases.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "framework/entity.h"
#include "framework/models/world.h"
#include "gis/map_tools.h"
#include "platform/fs.h"
#include "platform/ini.h"

namespace tarnik::gui::test {
namespace {

using Strings = std::vector<std::string>;

class MapPreparationTest : public GuiFixture {
 protected:
  MapPreparationTest() {
    plan::UnitSessionOptions options;
    options.add_to_world = false;
    session_ = plan::OpenUnitSession(data_, options);
    ui.Clear();
  }
  ~MapPreparationTest() override {
    RemoveData();
    plan::CloseUnitSession(session_);
  }

  // The world's "DATA" with a "HIERARCHY" of `children` elements, as a map read leaves it.
  void BuildData(int children) {
    RemoveData();
    auto* data = new framework::TOwnerEntity();
    data->SetName("DATA");
    auto* hierarchy = new framework::TOwnerEntity();
    hierarchy->SetName("HIERARCHY");
    for (int i = 0; i < children; ++i) hierarchy->AddElement(new framework::TOwnerEntity());
    data->AddElement(hierarchy);
    framework::World().ObjectModel()->AddElement(data);
  }
  // Takes "DATA" out of the object model and out of the world, where the model scripts create it.
  static void RemoveData() {
    for (int guard = 0; guard < 8; ++guard) {
      framework::TElement* data = gis::FindWorldObject("DATA");
      if (!data || data->Holders().empty()) return;
      data->Holders().back()->FreeElement(data);
    }
  }
  const platform::RecordingUi::Shown* FirstDialog() const {
    for (const auto& s : ui.shown) {
      if (s.kind == "directory") return &s;
    }
    return nullptr;
  }
  std::string Karmo() const {
    return platform::IniFile(program.File(engine::kSettingsFile))
        .ReadString(engine::kSettingsSection, "KARMOExport", "<none>");
  }

  plan::UnitSession session_;
  MapPanelState panel_;
};

TEST_F(MapPreparationTest, AMapWithAHierarchyIsKeptAndItsDirectoryWrittenBack) {
  for (const char* script : {"SysReg.Ksl", "Model.Ksl", kMapEditScript}) {
    platform::DeleteFile(program.File(script));
  }
  ui.directories.push_back(tmp.File("mapa"));
  int reads = 0;
  PrepareMapPanel(panel_, *session_.unit, nullptr, [&](MapPanelState& panel) {
    ++reads;
    EXPECT_EQ(panel.lhc_dir, tmp.File("mapa"));
    BuildData(2);
  });
  EXPECT_EQ(reads, 1);
  EXPECT_TRUE(HasHierarchy(panel_));
  EXPECT_FALSE(panel_.busy);
  EXPECT_EQ(Karmo(), tmp.File("mapa"));
  EXPECT_EQ(panel_.script_name, program.File(kMapEditScript));
  // The first stand group's position, the group's key without blanks.
  EXPECT_EQ(panel_.lhc, "615203");
  EXPECT_EQ(panel_.oddeleni, "11");
  EXPECT_FALSE(panel_.dilec.empty());
  EXPECT_FALSE(panel_.porost.empty());
  EXPECT_EQ(panel_.skupina.find(' '), std::string::npos);
  const platform::RecordingUi::Shown* dialog = FirstDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->caption, kChooseMapDirectory);
  EXPECT_EQ(dialog->text, "C:");
  EXPECT_EQ(dialog->form, platform::SelectionForm::kNarrow);
  // The model scripts and the map script are missing from the program's directory.
  EXPECT_EQ(ui.Messages(), (Strings{"Nelze nalézt soubor " + program.File("SysReg.Ksl"),
                                    "Nelze nalézt soubor " + program.File("Model.Ksl"),
                                    "Nelze nalézt soubor " + program.File(kMapEditScript)}));

  // A later show keeps the hierarchy: nothing is read again, the directory dialog starts from
  // the stored one.
  ui.Clear();
  ui.directories.push_back(tmp.File("mapa"));
  PrepareMapPanel(panel_, *session_.unit, nullptr, [&](MapPanelState&) { ++reads; });
  EXPECT_EQ(reads, 1);
  ASSERT_NE(FirstDialog(), nullptr);
  EXPECT_EQ(FirstDialog()->text, tmp.File("mapa"));
}

TEST_F(MapPreparationTest, NoHierarchyMeansNoMapAndTheKeyStays) {
  testing::WriteFile(program.File("SysReg.Ksl"), "");
  testing::WriteFile(program.File("Model.Ksl"), "");
  platform::IniFile(program.File(engine::kSettingsFile))
      .WriteString(engine::kSettingsSection, "KARMOExport", "/stara");
  ui.directories.push_back(tmp.File("prazdna"));
  PrepareMapPanel(panel_, *session_.unit, nullptr, [&](MapPanelState&) { BuildData(0); });
  EXPECT_FALSE(HasHierarchy(panel_));
  EXPECT_EQ(Karmo(), "/stara");
  EXPECT_EQ(ui.Messages(), Strings{kNoMapExport});

  // Cancelled, without any reader: "DATA" is missing as well.
  RemoveData();
  ui.Clear();
  PrepareMapPanel(panel_, *session_.unit, nullptr, nullptr);
  EXPECT_EQ(panel_.lhc_dir, "NicSeNavybralo");
  EXPECT_EQ(ui.Messages(), (Strings{kNoDataObject, kNoMapExport}));
  EXPECT_EQ(Karmo(), "/stara");
}

TEST_F(MapPreparationTest, AFailedReadIsTriedOnceMoreAndASecondFailureOnlyMeansNoMap) {
  int reads = 0;
  PrepareMapPanel(panel_, *session_.unit, nullptr, [&](MapPanelState&) {
    if (++reads == 1) throw std::runtime_error("Chyba čtení mapy");
    BuildData(1);
  });
  EXPECT_EQ(reads, 2);
  EXPECT_TRUE(HasHierarchy(panel_));

  RemoveData();
  panel_.hierarchy = nullptr;
  ui.Clear();
  reads = 0;
  PrepareMapPanel(panel_, *session_.unit, nullptr, [&](MapPanelState&) {
    ++reads;
    throw std::runtime_error("Chyba čtení mapy");
  });
  EXPECT_EQ(reads, 2);
  EXPECT_FALSE(HasHierarchy(panel_));
  const Strings messages = ui.Messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[messages.size() - 2], "Chyba čtení mapy");
  EXPECT_EQ(messages.back(), kNoMapExport);
}

TEST_F(MapPreparationTest, TheInitialisationRunsTheToolAndTheModelScripts) {
  apptool::TMainTool* tool = app::StartProgram({});
  // Both model scripts present: nothing is reported missing.
  testing::WriteFile(program.File("SysReg.Ksl"), "");
  testing::WriteFile(program.File("Model.Ksl"), "");
  ui.Clear();
  InitialiseMapPanel(panel_, tool);
  EXPECT_TRUE(panel_.initialised);
  EXPECT_TRUE(ui.MessagesOf(platform::Severity::kPassedOver).empty());
  EXPECT_EQ(tool->CommandLine()->FileName(), program.File("Model.Ksl"));
}

}  // namespace
}  // namespace tarnik::gui::test
