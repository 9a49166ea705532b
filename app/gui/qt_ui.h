// The UI seam on Qt Widgets: messages as message boxes, questions in the question dialog
// TdotazF1, the choosers in the selection dialog TS_VyhlSoub1 (the recent data sources from
// "ZdrojeAdr.Klv" of the program's directory), status texts and progress in the main window's
// status line and progress bar (repainted at once), pending events processed by the Qt event
// loop. Needs a QApplication. The window attached must outlive its attachment.
//
// A dialog delegate (a recorder in tests, which answers the dialogs itself) takes the messages,
// questions and choosers instead of the modal dialogs; status and progress still reach the
// window and are handed on to the delegate too.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ui.h"

class QWidget;

namespace tarnik::gui {

// Where the status line and the progress bar live (the main window).
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void ShowProgress(long position, long max) = 0;
  virtual QWidget* DialogParent() = 0;
};

class QtUi : public platform::Ui {
 public:
  QtUi() = default;

  void AttachStatus(StatusSink* sink) { sink_ = sink; }
  void SetDialogDelegate(platform::Ui* delegate) { delegate_ = delegate; }
  platform::Ui* dialog_delegate() const { return delegate_; }

  platform::Button MessageBox(const std::string& text, const std::string& caption,
                              platform::MsgType type, const platform::Buttons& buttons) override;
  platform::Button AskYesNoQuit(const std::string& caption, const std::string& question,
                                const std::vector<std::string>& lines) override;
  std::optional<std::string> ChooseDirectory(const std::string& caption,
                                             const std::string& initial) override;
  std::optional<std::string> ChooseFile(const std::string& caption, const std::string& initial_dir,
                                        const std::string& mask) override;
  std::optional<std::string> Select(const platform::Selection& selection) override;
  void SetStatus(const std::string& text) override;
  void Progress(long position, long max) override;
  void Beep() override;
  void SetCursor(platform::Cursor cursor) override;
  void ProcessPendingEvents() override;

 protected:
  void Show(const std::string& text, platform::Severity severity) override;

 private:
  QWidget* Parent() const;

  StatusSink* sink_ = nullptr;
  platform::Ui* delegate_ = nullptr;
  bool wait_cursor_ = false;
};

}  // namespace tarnik::gui
