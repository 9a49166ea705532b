#include "app/gui/qt_ui.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>

#include "app/gui/qt_text.h"
#include "app/gui/question_dialog.h"
#include "app/gui/selection_dialog.h"
#include "app/tool/data_sources.h"
#include "platform/paths.h"

namespace tarnik::gui {

using platform::Button;

QWidget* QtUi::Parent() const { return sink_ ? sink_->DialogParent() : nullptr; }

void QtUi::Show(const std::string& text, platform::Severity severity) {
  if (delegate_) {
    delegate_->ShowMessage(text, severity);
    return;
  }
  QMessageBox box(Parent());
  box.setWindowTitle(QStringLiteral("Tarnik"));
  box.setText(Q(text));
  box.setIcon(severity == platform::Severity::kFailure      ? QMessageBox::Critical
              : severity == platform::Severity::kPassedOver ? QMessageBox::Warning
                                                            : QMessageBox::Information);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

Button QtUi::MessageBox(const std::string& text, const std::string& caption, platform::MsgType type,
                        const platform::Buttons& buttons) {
  if (delegate_) return delegate_->MessageBox(text, caption, type, buttons);
  const platform::Buttons offered = buttons.empty() ? platform::Buttons{Button::kOk} : buttons;
  if (offered.size() == 1) {
    QMessageBox box(Parent());
    box.setWindowTitle(caption.empty() ? QStringLiteral("Tarnik") : Q(caption));
    box.setText(Q(text));
    box.setIcon(type == platform::MsgType::kError     ? QMessageBox::Critical
                : type == platform::MsgType::kWarning ? QMessageBox::Warning
                                                      : QMessageBox::Information);
    box.addButton(Q(platform::ButtonText(offered.front())), QMessageBox::AcceptRole);
    box.exec();
    return offered.front();
  }
  TdotazF1 dialog(caption.empty() ? QStringLiteral("Dotaz") : Q(caption), QuestionLines(text),
                  offered, Parent());
  dialog.exec();
  return dialog.Answer();
}

Button QtUi::AskYesNoQuit(const std::string& caption, const std::string& question,
                          const std::vector<std::string>& lines) {
  if (delegate_) return delegate_->AskYesNoQuit(caption, question, lines);
  QStringList all = QuestionLines(question);
  for (const std::string& line : lines) all << Q(line);
  TdotazF1 dialog(Q(caption), all, {Button::kYes, Button::kNo, Button::kQuit}, Parent());
  dialog.exec();
  const Button answer = dialog.Answer();
  return answer == Button::kYes || answer == Button::kNo ? answer : Button::kQuit;
}

std::optional<std::string> QtUi::ChooseDirectory(const std::string& caption,
                                                 const std::string& initial) {
  return Select({false, caption, initial, "*.*", platform::SelectionForm::kNarrow});
}

std::optional<std::string> QtUi::ChooseFile(const std::string& caption,
                                            const std::string& initial_dir,
                                            const std::string& mask) {
  return Select({true, caption, initial_dir, mask, platform::SelectionForm::kNarrow});
}

std::optional<std::string> QtUi::Select(const platform::Selection& selection) {
  if (delegate_) return delegate_->Select(selection);
  apptool::TDataSources sources(platform::ProgramFile(apptool::kDataSourcesFile));
  sources.Load();
  TS_VyhlSoub1 dialog(selection, sources, Parent());
  dialog.exec();
  if (dialog.Result() == kNothingChosen) return std::nullopt;
  return dialog.Result();
}

void QtUi::SetStatus(const std::string& text) {
  if (sink_) sink_->ShowStatus(text);
  if (delegate_) delegate_->SetStatus(text);
}

void QtUi::Progress(long position, long max) {
  if (sink_) sink_->ShowProgress(position, max);
  if (delegate_) delegate_->Progress(position, max);
}

void QtUi::Beep() {
  if (delegate_) {
    delegate_->Beep();
    return;
  }
  QApplication::beep();
}

void QtUi::SetCursor(platform::Cursor cursor) {
  const bool wait = cursor == platform::Cursor::kWait;
  if (wait == wait_cursor_) return;
  wait_cursor_ = wait;
  if (wait) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtUi::ProcessPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (delegate_) {
    delegate_->ProcessPendingEvents();  // drains the pending work as well
  } else {
    DrainPendingWork();
  }
}

}  // namespace tarnik::gui
