// tarnik-gui-screenshots OUTDIR DATADIR: pictures of the main window on the unit in DATADIR and
// of its dialogs, as PNG files in OUTDIR ("hlavni-okno.png", "vyber-siroky.png",
// "vyber-uzky.png", "dotaz.png"). The dialogs of the first show are answered through the UI seam
// (the data directory; the map directory cancelled), so nothing waits for a user.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/commands/bark_confirmation.h"
#include "app/commands/program_start.h"
#include "app/gui/main_form.h"
#include "app/gui/qt_text.h"
#include "app/gui/qt_ui.h"
#include "app/gui/question_dialog.h"
#include "app/gui/selection_dialog.h"
#include "app/tool/data_sources.h"
#include "platform/recording_ui.h"

namespace {

using namespace tarnik;

bool Save(QWidget& widget, const QString& file) {
  widget.show();
  widget.raise();
  QApplication::processEvents();
  // The file list and the directory tree fill themselves in the background.
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  const bool ok = widget.grab().save(file, "PNG");
  std::printf("%s%s\n", gui::S(file).c_str(), ok ? "" : ": nelze uložit");
  widget.hide();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "tarnik-gui-screenshots OUTDIR DATADIR\n");
    return 2;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  const std::string data = gui::S(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
  QDir().mkpath(out);

  platform::RecordingUi answers;
  answers.directories.push_back(data);          // "Obecné hledání"
  answers.directories.push_back(std::nullopt);  // "Vyhledej data karmo."
  gui::QtUi ui;
  ui.SetDialogDelegate(&answers);
  platform::ScopedUi installed(&ui);

  bool ok = true;
  {
    gui::TMainForm form;
    ui.AttachStatus(&form);
    form.SetTool(app::StartProgram({}));
    form.show();
    QApplication::processEvents();
    if (form.Ended()) return 1;
    form.ShowStatus("Mapa nebude exportována.");
    ok &= Save(form, out + "/hlavni-okno.png");

    // A list of the recent sources of its own, not the program's.
    QTemporaryDir scratch;
    apptool::TDataSources sources(gui::S(scratch.filePath(apptool::kDataSourcesFile)));
    sources.Choose(data, gui::NowAsDays());
    gui::TS_VyhlSoub1 wide({false, "Vyhledej adresar kam bude vyexportován ISHULXML.", data, "*.*",
                            platform::SelectionForm::kWide},
                           sources, &form);
    ok &= Save(wide, out + "/vyber-siroky.png");
    gui::TS_VyhlSoub1 narrow({true, " Najdi XML soubor ze kterého budeš načítat.", data, "*.xml",
                              platform::SelectionForm::kNarrow},
                             sources, &form);
    ok &= Save(narrow, out + "/vyber-uzky.png");
    gui::TdotazF1 question(gui::Q(app::kBarkQuestionCaption),
                           gui::QuestionLines(app::BarkQuestionText()),
                           {platform::Button::kYes, platform::Button::kNo}, &form);
    ok &= Save(question, out + "/dotaz.png");
    ui.AttachStatus(nullptr);
  }
  return ok ? 0 : 1;
}
