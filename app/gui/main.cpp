// tarnik-gui [FILE.INI] [FILE.KSL]: the main window over the program's commands. The window is
// created first, then the program starts (the same start as the command line's), then the window
// is shown (its first show loads the unit) and the event loop runs until it closes.
#include <QApplication>
#include <string>
#include <vector>

#include "app/commands/program_start.h"
#include "app/gui/main_form.h"
#include "app/gui/qt_ui.h"
#include "platform/ui.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnik"));
  tarnik::gui::QtUi ui;
  tarnik::platform::ScopedUi installed(&ui);

  tarnik::gui::TMainForm form;
  ui.AttachStatus(&form);
  const std::vector<std::string> params(argv + 1, argv + argc);
  form.SetTool(tarnik::app::StartProgram(params));
  form.show();
  const int code = QApplication::exec();
  ui.AttachStatus(nullptr);
  return form.Ended() ? 1 : code;
}
