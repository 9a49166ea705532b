#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <string>

#include "app/commands/bark_confirmation.h"
#include "app/gui/qt_ui.h"
#include "app/gui/question_dialog.h"
#include "app/gui/selection_dialog.h"
#include "app/gui/tests/gui_fixture.h"
#include "app/gui/world_explorer.h"
#include "app/tool/data_sources.h"
#include "framework/models/world.h"
#include "platform/fs.h"
#include "platform/paths.h"

namespace tarnik::gui::test {
namespace {

using platform::Button;

// Runs `act` on the modal dialog that opens next (once the event loop runs it).
void OnNextDialog(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

void ClickIn(QWidget& dialog, const char* name) {
  QPushButton* button = dialog.findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  ASSERT_TRUE(button->isVisible()) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST(QuestionDialog, BarkQuestionShowsTwoAnswersWithAnoFocused) {
  TdotazF1 dialog(QString::fromUtf8(app::kBarkQuestionCaption),
                  QuestionLines(app::BarkQuestionText()), {Button::kYes, Button::kNo});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Dotaz zda exportovat."));
  EXPECT_EQ(
      dialog.findChild<QLabel*>("Label1")->text(),
      QString::fromUtf8("Není zaškrtnuto \"V XML Odkorněno\", do xml budou tedy exportovány "));
  EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(),
            QString::fromUtf8("zásoby a objemy těžeb s kůrou, což není obvyklé."));
  EXPECT_EQ(dialog.findChild<QLabel*>("Label3")->text(),
            QString::fromUtf8("Pokračovat v exportování s kůrou ?"));
  EXPECT_EQ(dialog.ButtonFor(Button::kYes)->text(), "Ano");
  EXPECT_EQ(dialog.ButtonFor(Button::kNo)->text(), "Ne");
  EXPECT_TRUE(dialog.ButtonFor(Button::kYes)->isDefault());
  EXPECT_FALSE(dialog.ButtonFor(Button::kYesToAll)->isVisible());
  EXPECT_FALSE(dialog.ButtonFor(Button::kNoToAll)->isVisible());
  EXPECT_EQ(dialog.ButtonFor(Button::kQuit), nullptr);
  QTest::mouseClick(dialog.ButtonFor(Button::kNo), Qt::LeftButton);
  EXPECT_EQ(dialog.Answer(), Button::kNo);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(QtUi, QuestionsAnswerTheButtonPressedAndClosingIsNoYes) {
  QtUi qt;
  OnNextDialog([](QWidget& d) { ClickIn(d, "BAno"); });
  EXPECT_EQ(qt.MessageBox(app::BarkQuestionText(), app::kBarkQuestionCaption,
                          platform::MsgType::kConfirmation, {Button::kYes, Button::kNo}),
            Button::kYes);
  OnNextDialog([](QWidget& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_EQ(qt.MessageBox("Pokračovat?", "Dotaz", platform::MsgType::kConfirmation,
                          {Button::kYes, Button::kNo}),
            Button::kCancel);
  // The three answers of the import's question, "ukončit" with its own caption; closing quits.
  OnNextDialog([](QWidget& d) {
    QPushButton* quit = d.findChild<QPushButton*>("BUkoncit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), QString::fromUtf8("ukončit"));
    EXPECT_EQ(d.findChild<QLabel*>("Label2")->text(), QString::fromUtf8("Data obsahují 3."));
    ClickIn(d, "BNe");
  });
  EXPECT_EQ(qt.AskYesNoQuit("Dotaz", "Vymazat všechna data ze zdroje ?", {"Data obsahují 3."}),
            Button::kNo);
  OnNextDialog([](QWidget& d) { d.close(); });
  EXPECT_EQ(qt.AskYesNoQuit("Dotaz", "Vymazat?", {}), Button::kQuit);
  // A message counts by its severity and shows one "OK".
  OnNextDialog([](QWidget& d) {
    QPushButton* ok = nullptr;
    for (QPushButton* b : d.findChildren<QPushButton*>()) {
      if (b->isVisible()) ok = b;
    }
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  qt.ShowMessage("Mapa nebude exportována.");
  EXPECT_EQ(qt.counts().information, 1);
}

class SelectionDialogTest : public GuiFixture {
 protected:
  SelectionDialogTest() : sources_(program.File(apptool::kDataSourcesFile)) {}
  // A directory holding a planning database whose LHC row has the code.
  std::string PlanDir(const std::string& name, int code) {
    const std::string dir = tmp.File(name);
    platform::ForceDirectories(dir);
    engine::test::RunSql(dir,
                         "CREATE TABLE LHC (ID INTEGER, LHC_KOD INTEGER, LHC_NAZ TEXT);"
                         "INSERT INTO LHC VALUES (1, " +
                             std::to_string(code) + ", 'Celek " + name + "');");
    return dir;
  }
  std::string Choose(const std::string& dir, platform::SelectionForm form) {
    TS_VyhlSoub1 dialog({false, "Vyber", dir, "*.*", form}, sources_);
    dialog.show();
    ClickIn(dialog, "BVybrat");
    return dialog.Result();
  }
  apptool::TDataSources sources_;
};

TEST_F(SelectionDialogTest, FormsAndCancel) {
  TS_VyhlSoub1 wide({false, "Vyhledej adresar kam bude vyexportován ISHULXML.", data_, "*.*",
                     platform::SelectionForm::kWide},
                    sources_);
  wide.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&wide));
  EXPECT_EQ(wide.windowTitle(),
            QString::fromUtf8("Vyhledej adresar kam bude vyexportován ISHULXML."));
  EXPECT_EQ(wide.width(), kWideWidth);
  EXPECT_TRUE(wide.findChild<QGroupBox*>("PanelZdroje")->isVisible());
  QTableWidget* table = wide.findChild<QTableWidget*>("GridZdroje");
  QStringList headers;
  for (int c = 0; c < table->columnCount(); ++c) headers << table->horizontalHeaderItem(c)->text();
  EXPECT_EQ(headers, (QStringList{"LHC_KOD", "LHC_NAZ", QString::fromUtf8("Adresář zdroje dat LHC"),
                                  QString::fromUtf8("Poslední přihlášení")}));
  EXPECT_EQ(wide.findChild<QPushButton*>("BUberRadek")->text(), QString::fromUtf8("Uber řádek"));
  EXPECT_FALSE(wide.findChild<QPushButton*>("BNovyAdresar")->isVisible());
  EXPECT_FALSE(wide.findChild<QPushButton*>("BAlias")->isVisible());
  EXPECT_EQ(wide.CurrentDirectory().toStdString(), data_);
  ClickIn(wide, "BOpustit");
  EXPECT_EQ(wide.Result(), "NicSeNavybralo");
  EXPECT_EQ(sources_.Count(), 0);

  // The narrow form hides the sources; a start that does not exist shows the root.
  TS_VyhlSoub1 narrow({true, "Najdi", tmp.File("neni"), "*.xml", platform::SelectionForm::kNarrow},
                      sources_);
  narrow.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&narrow));
  EXPECT_EQ(narrow.width(), kNarrowWidth);
  EXPECT_FALSE(narrow.findChild<QGroupBox*>("PanelZdroje")->isVisible());
  EXPECT_EQ(narrow.CurrentDirectory(), QString("/"));
  narrow.close();
  EXPECT_EQ(narrow.Result(), "NicSeNavybralo");
}

TEST_F(SelectionDialogTest, AFileIsChosenFromTheListByItsMask) {
  testing::WriteFile(tmp.File("x/a.xml"), "<a/>");
  testing::WriteFile(tmp.File("x/b.txt"), "b");
  TS_VyhlSoub1 dialog({true, "Najdi", tmp.File("x"), "*.xml", platform::SelectionForm::kNarrow},
                      sources_);
  dialog.show();
  EXPECT_FALSE(dialog.SelectFile("b.txt"));
  EXPECT_TRUE(dialog.SelectFile("a.xml"));
  ClickIn(dialog, "BVybrat");
  EXPECT_EQ(dialog.Result(), tmp.File("x/a.xml"));
  // The directory holds no plan: the list of sources stays as it was.
  EXPECT_EQ(sources_.Count(), 0);
}

TEST_F(SelectionDialogTest, TheTenthDirectoryReplacesTheOneUsedLongestAgo) {
  std::vector<std::string> dirs;
  for (int i = 1; i <= 10; ++i) dirs.push_back(PlanDir("plan" + std::to_string(i), 600000 + i));
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(Choose(dirs[i], platform::SelectionForm::kWide), dirs[i]);
    QThread::msleep(2);
  }
  ASSERT_EQ(sources_.Count(), 9);
  // Used again, the first is no longer the oldest: the second goes.
  Choose(dirs[0], platform::SelectionForm::kNarrow);
  QThread::msleep(2);
  EXPECT_EQ(sources_.Count(), 9);
  Choose(dirs[9], platform::SelectionForm::kWide);
  apptool::TDataSources saved(program.File(apptool::kDataSourcesFile));
  saved.Load();
  ASSERT_EQ(saved.Count(), 9);
  std::vector<std::string> held;
  for (int i = 0; i < saved.Count(); ++i) held.push_back(saved.At(i)->zdroj_adr);
  EXPECT_EQ(std::count(held.begin(), held.end(), dirs[1]), 0);
  EXPECT_EQ(std::count(held.begin(), held.end(), dirs[9]), 1);
  EXPECT_EQ(std::count(held.begin(), held.end(), dirs[0]), 1);
  for (int i = 0; i < saved.Count(); ++i) {
    if (saved.At(i)->zdroj_adr == dirs[9]) {
      EXPECT_EQ(saved.At(i)->lhc_kod, 600010);
      EXPECT_EQ(saved.At(i)->lhc_naz, "Celek plan10");
      EXPECT_GT(saved.At(i)->s_date_time, 40000.0);
    }
  }

  // The wide form lists them; "Uber řádek" removes the selected one and saves the list.
  TS_VyhlSoub1 dialog({false, "Vyber", dirs[0], "*.*", platform::SelectionForm::kWide}, sources_);
  dialog.show();
  QTableWidget* table = dialog.findChild<QTableWidget*>("GridZdroje");
  ASSERT_EQ(table->rowCount(), 9);
  EXPECT_FALSE(table->item(0, 3)->text().isEmpty());
  table->setCurrentCell(0, 0);
  const std::string removed = table->item(0, 2)->text().toStdString();
  ClickIn(dialog, "BUberRadek");
  EXPECT_EQ(table->rowCount(), 8);
  apptool::TDataSources after(program.File(apptool::kDataSourcesFile));
  after.Load();
  ASSERT_EQ(after.Count(), 8);
  for (int i = 0; i < after.Count(); ++i) EXPECT_NE(after.At(i)->zdroj_adr, removed);
}

TEST_F(SelectionDialogTest, TheQtUiAnswersFromTheDialog) {
  QtUi qt;
  OnNextDialog([this](QWidget& d) {
    auto& dialog = dynamic_cast<TS_VyhlSoub1&>(d);
    EXPECT_EQ(dialog.width(), kWideWidth);
    dialog.SetDirectory(QString::fromStdString(tmp.path()));
    ClickIn(d, "BVybrat");
  });
  EXPECT_EQ(qt.Select({false, "Vyber", data_, "*.*", platform::SelectionForm::kWide}), tmp.path());
  OnNextDialog([](QWidget& d) { ClickIn(d, "BOpustit"); });
  EXPECT_EQ(qt.ChooseDirectory("Obecné hledání", data_), std::nullopt);
}

TEST_F(SelectionDialogTest, StatusAndProgressReachTheWindowAndTheDelegate) {
  struct Sink : StatusSink {
    std::string status;
    long position = -1, max = -1;
    void ShowStatus(const std::string& text) override { status = text; }
    void ShowProgress(long p, long m) override { position = p, max = m; }
    QWidget* DialogParent() override { return nullptr; }
  } sink;
  qt_.AttachStatus(&sink);
  platform::ui().SetStatus("Hledam mezery.");
  platform::ui().Progress(2, 3);
  qt_.AttachStatus(nullptr);
  EXPECT_EQ(sink.status, "Hledam mezery.");
  EXPECT_EQ(sink.position, 2);
  EXPECT_EQ(sink.max, 3);
  EXPECT_EQ(ui.Statuses(), std::vector<std::string>{"Hledam mezery."});
}

TEST(WorldExplorer, ShowsTheTreeOfTheWorldWithPublishedProperties) {
  framework::TWorld& world = framework::World();
  TWorldExplorer explorer(&world);
  QTreeWidget* tree = explorer.tree();
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* top = tree->topLevelItem(0);
  EXPECT_EQ(top->text(0).toStdString(), ElementCaption(world));
  ASSERT_GT(top->childCount(), 0);  // the object model at least
  // Every property of the world's class is listed, nothing can be edited.
  QTableWidget* props = explorer.properties();
  EXPECT_EQ(props->rowCount(), world.ClassType().PropCount());
  EXPECT_EQ(props->editTriggers(), QAbstractItemView::NoEditTriggers);
  tree->setCurrentItem(top->child(0));
  ASSERT_FALSE(world.Children().empty());
  EXPECT_EQ(props->rowCount(), world.Children().front()->ClassType().PropCount());
  EXPECT_EQ(top->child(0)->text(0).toStdString(), ElementCaption(*world.Children().front()));
}

}  // namespace
}  // namespace tarnik::gui::test
