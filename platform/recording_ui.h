// Ui for tests: records everything shown, in order, and answers from queued answers. When no
// answer is queued a question answers `default_button` (initially the first button offered) and
// a chooser answers nullopt (cancel).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace tarnik::platform {

class RecordingUi : public Ui {
 public:
  struct Shown {
    // "message", "box", "question", "directory", "file", "status", "progress", "beep",
    // "protocol"
    std::string kind;
    std::string text;
    std::string caption;
    MsgType type = MsgType::kInformation;
    Buttons buttons;
    Severity severity = Severity::kInformation;  // of messages and protocol lines
    // Of the selection dialog ("directory", "file"; the text is the start directory): the mask
    // and the form, "*.*" and narrow when asked through ChooseDirectory or ChooseFile.
    std::string mask = "*.*";
    SelectionForm form = SelectionForm::kNarrow;
  };

  std::vector<Shown> shown;    // every call, in order
  std::deque<Button> answers;  // answers for MessageBox and AskYesNoQuit, first first
  std::deque<std::optional<std::string>> directories;  // answers for ChooseDirectory
  std::deque<std::optional<std::string>> files;        // answers for ChooseFile
  std::optional<Button> default_button;
  int pending_events = 0;  // how often ProcessPendingEvents was called

  // The texts of the modal messages, boxes and questions, in order (status lines left out).
  std::vector<std::string> Messages() const;
  std::vector<std::string> Statuses() const;
  // The texts of the messages of one severity, in order.
  std::vector<std::string> MessagesOf(Severity severity) const;
  void Clear() { shown.clear(); }

  Button MessageBox(const std::string& text, const std::string& caption, MsgType type,
                    const Buttons& buttons) override;
  // Recorded as "question" with the lines joined by "\n" after the question.
  Button AskYesNoQuit(const std::string& caption, const std::string& question,
                      const std::vector<std::string>& lines) override;
  std::optional<std::string> ChooseDirectory(const std::string& caption,
                                             const std::string& initial) override;
  std::optional<std::string> ChooseFile(const std::string& caption, const std::string& initial_dir,
                                        const std::string& mask) override;
  // Recorded as "directory" or "file" with its mask and form; answered from the same queues.
  std::optional<std::string> Select(const Selection& selection) override;
  void SetStatus(const std::string& text) override;
  void Progress(long position, long max) override;
  void Beep() override;
  void SetCursor(Cursor) override {}
  void ProcessPendingEvents() override;

 protected:
  void Show(const std::string& text, Severity severity) override;
  void ShowProtocolLine(const std::string& file, const std::string& line) override;
};

}  // namespace tarnik::platform
