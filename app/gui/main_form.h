// The main window TMainForm ("Prevod do XML"): the map panel's host, the export and import
// buttons, the options of the export and the status line Edit1 with a progress bar and the
// compartment being worked on. Its first show loads the forest unit (which the world's object
// model then owns, until the window goes) and prepares the map panel; every button runs the
// command code the command line runs. Closing the window writes the tool's options back and saves
// "SOURCE.KLV". The application tool (owned by the world) must outlive the window.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "app/commands/export_options.h"
#include "app/gui/export_buttons.h"
#include "app/gui/map_preparation.h"
#include "app/gui/qt_ui.h"
#include "forest/unit/unit_session.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tarnik::apptool {
class TMainTool;
}

namespace tarnik::gui {

class TMainForm : public QMainWindow, public StatusSink {
 public:
  explicit TMainForm(apptool::TMainTool* tool = nullptr, QWidget* parent = nullptr);
  ~TMainForm() override;

  void SetTool(apptool::TMainTool* tool) { tool_ = tool; }
  // The reader of the map behind the map panel (by default the program's map hierarchy; none:
  // no map is read).
  void SetForestReader(ForestReader reader) { forest_reader_ = std::move(reader); }

  // The window's events and handlers, also for tests and the screenshots.
  void FormShow();
  void ButSvetClick();
  void ExportClick(ExportButton button);
  void Button1Click();
  void Ch_LHOExit();

  // The options of the export as the window's controls hold them.
  app::ExportOptions Options() const;
  plan::TLesniCelek* Unit() const { return session_.unit; }
  const MapPanelState& MapPanel() const { return panel_; }
  // Whether the first show found no plan data (the window then closes).
  bool Ended() const { return ended_; }

  void ShowStatus(const std::string& text) override;
  void ShowProgress(long position, long max) override;
  QWidget* DialogParent() override { return this; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  QPushButton* AddButton(const char* name, const char* caption);
  void ShowCompartment(long position, long count, const std::string& odd);
  void UpdateMapPanel();
  void RunCommand(const std::function<void()>& command);

  apptool::TMainTool* tool_;
  plan::UnitSession session_;
  MapPanelState panel_;
  std::unique_ptr<gis::VAzedevoDevov> map_;  // the map the map exports write from
  ForestReader forest_reader_ = MapHierarchyReader(map_);
  bool ended_ = false;
  bool quit_done_ = false;

  QFrame* PanelProHel;
  QFrame* helePan;
  QLabel* helePanText;
  QPushButton* ButSvet;
  QPushButton* ButExpNumer;
  QPushButton* btXMLExport;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QComboBox* CombTypIS;
  QCheckBox* Ch_Odkor;
  QPushButton* ButXMLExpiOst;
  QCheckBox* Ch_32eDedEt;
  QCheckBox* Ch_mzdPod80let;
  QCheckBox* Ch_LHO;
  QComboBox* CombKU_DATUM;
  QPushButton* Button3;
  QPushButton* Button4;
  QCheckBox* Ch_SmazZvlSt;
  QLabel* LFileVersion;
  QLabel* LPopisVerze;
  QLabel* Label2;
  QProgressBar* ProgressBar1;
  QLabel* LOddeleni;
};

}  // namespace tarnik::gui
