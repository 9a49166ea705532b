#include "app/gui/main_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/commands/bark_confirmation.h"
#include "app/commands/unit_export_adapter.h"
#include "app/gui/tests/gui_fixture.h"
#include "app/tool/main_tool.h"
#include "app/tool/version_label.h"
#include "forest/hierarchy/lhc.h"
#include "forest/unit/lesni_celek.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::gui::test {
namespace {

using platform::Button;
using Strings = std::vector<std::string>;

class MainFormTest : public GuiFixture {
 protected:
  MainFormTest() {
    tool_ = app::StartProgram({});
    form_ = std::make_unique<TMainForm>(tool_);
    qt_.AttachStatus(form_.get());
  }
  ~MainFormTest() override {
    qt_.AttachStatus(nullptr);
    form_.reset();
  }

  // The first show on the sample unit: its directory chosen in "Obecné hledání", the map
  // directory dialog cancelled.
  void ShowOnSample() {
    ui.directories.push_back(data_);
    ui.directories.push_back(std::nullopt);
    form_->show();
    ASSERT_NE(form_->Unit(), nullptr);
    ui.Clear();
  }
  void Click(const char* name) {
    QPushButton* button = Child<QPushButton>(*form_, name);
    if (button) QTest::mouseClick(button, Qt::LeftButton);
  }
  // A click on the box's indicator (a box stretched by the layout takes clicks on its text only).
  static void ClickBox(QCheckBox* box) {
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }
  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (const auto& s : ui.shown) {
      if (s.kind != "status" && s.kind != "progress") kinds.push_back(s.kind);
    }
    return kinds;
  }
  std::string Lho() const { return SqlValue(data_, "SELECT LHO FROM LHC"); }

  apptool::TMainTool* tool_ = nullptr;
  std::unique_ptr<TMainForm> form_;
  ::tarnik::testing::TempDir out_;
};

TEST_F(MainFormTest, ControlsCaptionsAndInitialStates) {
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Prevod do XML"));
  const std::pair<const char*, const char*> buttons[] = {
      {"ButSvet", "Svět"},
      {"ButExpNumer", "XML Export numerika"},
      {"btXMLExport", "XML Export včetně mapy pro státní správu."},
      {"Button1", "XML import numerika"},
      {"ButXMLExpiOst", "XML Export včetně mapy a ost. pozemků"},
      {"Button3", "XML Export včetně mapy a ost. pozemků  pro LČR"},
      {"Button4", "XML Export numerika pro LČR"}};
  for (const auto& [name, caption] : buttons) {
    if (auto* b = Child<QPushButton>(*form_, name)) {
      EXPECT_EQ(b->text(), QString::fromUtf8(caption));
    }
  }
  const std::tuple<const char*, const char*, bool> boxes[] = {
      {"Ch_Odkor", "V XML odkorněno", true},
      {"Ch_32eDedEt", "Kateg. 32e zahrnout do induktivního etátu", false},
      {"Ch_mzdPod80let", "Exportovat mzd pod 80 let, je-li těžební procento", true},
      {"Ch_LHO", "Lesní hospodářské osnovy", true},
      {"Ch_SmazZvlSt", "Neexportovat zrušene statuty ochany přirody", true}};
  for (const auto& [name, caption, checked] : boxes) {
    if (auto* b = Child<QCheckBox>(*form_, name)) {
      EXPECT_EQ(b->text(), QString::fromUtf8(caption));
      EXPECT_EQ(b->isChecked(), checked) << name;
    }
  }
  auto* typ = Child<QComboBox>(*form_, "CombTypIS");
  ASSERT_NE(typ, nullptr);
  ASSERT_EQ(typ->count(), 10);
  EXPECT_EQ(typ->itemText(0), "2001");
  EXPECT_EQ(typ->itemText(9), "2010");
  EXPECT_EQ(typ->currentText(), "2010");
  EXPECT_TRUE(typ->isEditable());
  auto* ku = Child<QComboBox>(*form_, "CombKU_DATUM");
  ASSERT_NE(ku, nullptr);
  QStringList items;
  for (int i = 0; i < ku->count(); ++i) items << ku->itemText(i);
  EXPECT_EQ(items, (QStringList{" 1.1.2001", "30.6.2004", "30.6.2005", "30.6.2006", "30.6.2007",
                                "30.6.2008", "30.6.2009", "Dle Merku"}));
  EXPECT_EQ(ku->currentText(), "30.6.2009");
  EXPECT_EQ(Child<QLineEdit>(*form_, "Edit1")->text(), "Edit1");
  EXPECT_EQ(Child<QLabel>(*form_, "Label2")->text(),
            QString::fromUtf8("Snižování etatu o induktivní těžbu se provádí vždy"));
  const std::string version = apptool::FileVersionText();
  EXPECT_EQ(Child<QLabel>(*form_, "LFileVersion")->text().toStdString(), "Verze:" + version);
  EXPECT_EQ(Child<QLabel>(*form_, "LPopisVerze")->text().toStdString(),
            apptool::VersionLabel(version));

  // Free text in the combo boxes goes to the export unchanged.
  typ->setCurrentText("2011");
  ku->setCurrentText(" 1.1.2001");
  EXPECT_EQ(form_->Options().typ_ishul, "2011");
  EXPECT_EQ(form_->Options().ku_datum, " 1.1.2001");
}

TEST_F(MainFormTest, TabStopsFollowTheFormsOrder) {
  ShowOnSample();
  SqlValue(data_, "UPDATE LHC SET LHO = 'X'");
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  QWidget* panel = Child<QWidget>(*form_, "PanelProHel");
  panel->setFocus();
  QStringList seen;
  for (int i = 0; i < 16; ++i) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    // An editable combo box gives the focus to its line edit.
    QString name = focus->objectName();
    if (name.isEmpty() && focus->parentWidget()) name = focus->parentWidget()->objectName();
    seen << name;
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_EQ(seen,
            (QStringList{"PanelProHel", "ButSvet", "ButExpNumer", "btXMLExport", "Edit1", "Button1",
                         "CombTypIS", "Ch_Odkor", "ButXMLExpiOst", "Ch_32eDedEt", "Ch_mzdPod80let",
                         "Ch_LHO", "CombKU_DATUM", "Button3", "Button4", "Ch_SmazZvlSt"}));
  // Leaving the LHO box by the keyboard writes its state, as a click does.
  EXPECT_EQ(Lho(), "N");
}

TEST_F(MainFormTest, FirstShowLoadsTheUnitSetsTheTitleAndWritesNothing) {
  const std::string lho_before = Lho();
  ui.directories.push_back(data_);
  ui.directories.push_back(std::nullopt);
  form_->show();
  ASSERT_NE(form_->Unit(), nullptr);
  EXPECT_EQ(form_->windowTitle().toStdString(),
            apptool::WindowTitle(apptool::FileVersionText(), data_));
  EXPECT_EQ(form_->windowTitle().toStdString().rfind("Tarnik 20", 0), 0u);
  // The unit's LHO is "N": the box is cleared and the database keeps its value.
  EXPECT_EQ(form_->Unit()->LHC()->LHO(), "N");
  EXPECT_FALSE(Child<QCheckBox>(*form_, "Ch_LHO")->isChecked());
  EXPECT_EQ(Lho(), lho_before);
  EXPECT_TRUE(forest::Flags().odkorneno);

  // The data directory, then the map directory in the narrow form from "KARMOExport" ("C:").
  std::vector<const platform::RecordingUi::Shown*> dialogs;
  for (const auto& s : ui.shown) {
    if (s.kind == "directory") dialogs.push_back(&s);
  }
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0]->caption, "Obecné hledání");
  EXPECT_EQ(dialogs[1]->caption, "Vyhledej data karmo.");
  EXPECT_EQ(dialogs[1]->text, "C:");
  EXPECT_EQ(dialogs[1]->form, platform::SelectionForm::kNarrow);
  EXPECT_EQ(form_->MapPanel().lhc_dir, "NicSeNavybralo");
  EXPECT_EQ(form_->MapPanel().lhc, "615203");
  EXPECT_EQ(form_->MapPanel().oddeleni, "11");
  const Strings messages = ui.Messages();
  EXPECT_EQ(messages.back(), "Mapa nebude exportována.");

  // A second show keeps the unit and sets the title again.
  plan::TLesniCelek* unit = form_->Unit();
  form_->hide();
  form_->setWindowTitle("x");
  ui.directories.push_back(std::nullopt);
  form_->show();
  EXPECT_EQ(form_->Unit(), unit);
  EXPECT_EQ(form_->windowTitle().toStdString(),
            apptool::WindowTitle(apptool::FileVersionText(), data_));
}

TEST_F(MainFormTest, AMissingUnitEndsTheProgram) {
  platform::ForceDirectories(tmp.File("prazdny"));
  ui.directories.push_back(tmp.File("prazdny"));
  form_->show();
  EXPECT_EQ(form_->Unit(), nullptr);
  EXPECT_TRUE(form_->Ended());
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kFailure),
            Strings{"V adresáři \"\" nejsou data LHP"});
  QApplication::processEvents();
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(MainFormTest, NumericalExportButtonsWriteTheSample) {
  ShowOnSample();
  ui.directories.push_back(out_.path());
  Click("ButExpNumer");
  const std::string dir = out_.File("ISHULXML");
  EXPECT_TRUE(platform::FileExists(dir + "/615203.xml"));
  EXPECT_TRUE(platform::FileExists(dir + "/615203.dtd"));
  EXPECT_TRUE(platform::FileExists(dir + "/error.txt"));
  EXPECT_EQ(Kinds().front(), "directory");
  EXPECT_EQ(ui.shown.front().kind, "directory");
  EXPECT_EQ(ui.shown.front().text, data_);
  EXPECT_EQ(ui.shown.front().form, platform::SelectionForm::kWide);
  EXPECT_EQ(ui.Messages(), Strings{"Konec exportu do XML"});
  EXPECT_EQ(ui.Statuses().back(), "Export proveden.");
  EXPECT_EQ(Child<QLineEdit>(*form_, "Edit1")->text(), QString::fromUtf8("Export proveden."));
  // The progress went through the three compartments and was cleared at the end.
  Strings progress;
  for (const auto& s : ui.shown) {
    if (s.kind == "progress") progress.push_back(s.text);
  }
  EXPECT_NE(std::find(progress.begin(), progress.end(), "3/3"), progress.end());
  EXPECT_EQ(progress.back(), "0/0");
  EXPECT_FALSE(form_->Unit()->LHC()->ExportProLCR());

  // The LČR form names the files after the LČR unit number.
  ui.Clear();
  ui.directories.push_back(dir);
  Click("Button4");
  EXPECT_TRUE(platform::FileExists(dir + "/12850.xml"));
  EXPECT_TRUE(form_->Unit()->LHC()->ExportProLCR());
  EXPECT_EQ(ui.Statuses().back(), "Export proveden.");
}

// The map directory chosen at the first show is read into the map hierarchy, and the map buttons
// export the unit with its outlines; the state administration's form leaves other land out.
TEST_F(MainFormTest, MapButtonsExportTheSampleWithItsMap) {
  const std::string map = ::tarnik::testing::SourcePath("samples/demo/MAPA");
  ASSERT_TRUE(platform::DirectoryExists(map + "/DET.BLK")) << "the build writes " << map;
  ui.directories.push_back(data_);
  ui.directories.push_back(map);
  form_->show();
  ASSERT_NE(form_->Unit(), nullptr);
  const Strings shown = ui.Messages();
  EXPECT_EQ(std::find(shown.begin(), shown.end(), "Mapa nebude exportována."), shown.end())
      << ::testing::PrintToString(shown);
  ui.Clear();

  const std::pair<const char*, bool> buttons[] = {
      {"btXMLExport", false}, {"ButXMLExpiOst", true}, {"Button3", true}};
  for (const auto& [name, other_land] : buttons) {
    SCOPED_TRACE(name);
    ui.Clear();
    ui.directories.push_back(out_.path());
    Click(name);
    EXPECT_EQ(ui.Statuses().back(), "Export proveden.");
    const std::string dir = out_.File("ISHULXML");
    const std::string code = std::string(name) == "Button3" ? "12850" : "615203";
    const std::string xml = ::tarnik::testing::ReadFile(dir + "/" + code + ".xml");
    EXPECT_NE(xml.find("<MP>"), std::string::npos);
    EXPECT_EQ(xml.find("<PSK_OBRAZ/>"), std::string::npos);
    EXPECT_EQ(xml.find("<OP ") != std::string::npos, other_land);
  }
}

TEST_F(MainFormTest, AVariantWithoutACommandIsReportedAndWritesNothing) {
  ShowOnSample();
  app::TLesniCelekExportUnit unit(*form_->Unit());
  const app::ExportResult result = RunExportVariant("mapa-3d", unit, form_->Options());
  EXPECT_EQ(result.status, app::ExportResult::Status::kFailed);
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kFailure), Strings{MissingVariantText("mapa-3d")});
}

TEST_F(MainFormTest, WithoutBarkTheQuestionComesFirst) {
  ShowOnSample();
  QCheckBox* bark = Child<QCheckBox>(*form_, "Ch_Odkor");
  ClickBox(bark);
  EXPECT_FALSE(bark->isChecked());
  EXPECT_FALSE(forest::Flags().odkorneno);
  ui.answers.push_back(Button::kNo);
  ui.directories.push_back(out_.path());
  Click("ButExpNumer");
  ASSERT_EQ(Kinds(), Strings{"box"});
  EXPECT_EQ(ui.shown.front().caption, app::kBarkQuestionCaption);
  EXPECT_EQ(ui.shown.front().text, app::BarkQuestionText());
  EXPECT_EQ(ui.shown.front().buttons, (platform::Buttons{Button::kYes, Button::kNo}));
  EXPECT_FALSE(platform::DirectoryExists(out_.File("ISHULXML")));

  // "Ano": the question, then the directory dialog and the export with bark.
  ui.Clear();
  ui.answers.push_back(Button::kYes);
  Click("ButExpNumer");
  const Strings kinds = Kinds();
  ASSERT_GE(kinds.size(), 2u);
  EXPECT_EQ(kinds[0], "box");
  EXPECT_EQ(kinds[1], "directory");
  EXPECT_TRUE(platform::FileExists(out_.File("ISHULXML/615203.xml")));
}

TEST_F(MainFormTest, CancelledImportDialog) {
  ShowOnSample();
  Click("Button1");
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.front().kind, "file");
  EXPECT_EQ(ui.shown.front().mask, "*.xml");
  EXPECT_EQ(ui.shown.front().caption, " Najdi XML soubor ze kterého budeš načítat.");
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kFailure),
            Strings{"Soubor \"NicSeNavybralo\" neexistuje!"});
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(MainFormTest, ImportAnsweredUkoncitEndsTheProgramAndWritesNothing) {
  ShowOnSample();
  ui.directories.push_back(out_.path());
  Click("ButExpNumer");
  const std::string xml = out_.File("ISHULXML/615203.xml");
  ASSERT_TRUE(platform::FileExists(xml));
  const std::string compartments = SqlValue(data_, "SELECT COUNT(*) FROM ODDELENI");
  ui.Clear();
  ui.files.push_back(xml);
  ui.answers.push_back(Button::kQuit);
  Click("Button1");
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown[1].kind, "question");
  EXPECT_EQ(ui.shown[1].buttons, (platform::Buttons{Button::kYes, Button::kNo, Button::kQuit}));
  EXPECT_EQ(SqlValue(data_, "SELECT COUNT(*) FROM ODDELENI"), compartments);
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(MainFormTest, SvetOpensTheExplorerOnTheWorld) {
  ShowOnSample();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* explorer = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->objectName(), "TWorldExplorer");
    seen = true;
    explorer->reject();
  });
  Click("ButSvet");
  EXPECT_TRUE(seen);
}

TEST_F(MainFormTest, TheLhoBoxWritesTheRecordOnClickAndOnLeaving) {
  ShowOnSample();
  const std::string before = Lho();
  QCheckBox* lho = Child<QCheckBox>(*form_, "Ch_LHO");
  // Set by the program: nothing is written.
  lho->setChecked(true);
  EXPECT_EQ(Lho(), before);
  lho->setChecked(false);
  ClickBox(lho);
  EXPECT_TRUE(lho->isChecked());
  EXPECT_EQ(Lho(), "A");
  EXPECT_EQ(form_->Unit()->LHC()->LHO(), "A");
  EXPECT_EQ(SqlValue(data_, "SELECT CAST(LHC_KOD AS INTEGER) FROM LHC"), "615203");
  ClickBox(lho);
  EXPECT_EQ(Lho(), "N");

  // Leaving the box writes its state again, whatever the database holds meanwhile.
  SqlValue(data_, "UPDATE LHC SET LHO = 'X'");
  ASSERT_EQ(Lho(), "X");
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  lho->setFocus();
  // The window losing the focus (to a dialog or another program) is no leaving of the box.
  QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(lho, &deactivated);
  EXPECT_EQ(Lho(), "X");
  Child<QWidget>(*form_, "ButSvet")->setFocus();
  EXPECT_EQ(Lho(), "N");
  EXPECT_TRUE(ui.MessagesOf(platform::Severity::kFailure).empty());
}

TEST_F(MainFormTest, ClosingWritesTheOptionsAndTheSourceModel) {
  ShowOnSample();
  const std::string source = program.File(apptool::kSourceFile);
  platform::DeleteFile(source);
  form_->close();
  EXPECT_TRUE(platform::FileExists(source));
  EXPECT_TRUE(platform::FileExists(tool_->OptionsIniFile()));
}

}  // namespace
}  // namespace tarnik::gui::test
