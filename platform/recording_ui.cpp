#include "platform/recording_ui.h"

namespace tarnik::platform {

std::vector<std::string> RecordingUi::Messages() const {
  std::vector<std::string> out;
  for (const Shown& s : shown) {
    if (s.kind == "message" || s.kind == "box" || s.kind == "question") out.push_back(s.text);
  }
  return out;
}

std::vector<std::string> RecordingUi::Statuses() const {
  std::vector<std::string> out;
  for (const Shown& s : shown) {
    if (s.kind == "status") out.push_back(s.text);
  }
  return out;
}

std::vector<std::string> RecordingUi::MessagesOf(Severity severity) const {
  std::vector<std::string> out;
  for (const Shown& s : shown) {
    if ((s.kind == "message" || s.kind == "protocol") && s.severity == severity)
      out.push_back(s.text);
  }
  return out;
}

void RecordingUi::Show(const std::string& text, Severity severity) {
  shown.push_back({"message", text, "", MsgType::kInformation, {Button::kOk}, severity});
}

void RecordingUi::ShowProtocolLine(const std::string& file, const std::string& line) {
  shown.push_back({"protocol", line, file, MsgType::kInformation, {}, Severity::kPassedOver});
}

Button RecordingUi::MessageBox(const std::string& text, const std::string& caption, MsgType type,
                               const Buttons& buttons) {
  shown.push_back({"box", text, caption, type, buttons});
  if (!answers.empty()) {
    Button b = answers.front();
    answers.pop_front();
    return b;
  }
  if (default_button) return *default_button;
  return buttons.empty() ? Button::kOk : buttons.front();
}

Button RecordingUi::AskYesNoQuit(const std::string& caption, const std::string& question,
                                 const std::vector<std::string>& lines) {
  std::string text = question;
  for (const std::string& line : lines) text += "\n" + line;
  const Buttons buttons = {Button::kYes, Button::kNo, Button::kQuit};
  shown.push_back({"question", text, caption, MsgType::kConfirmation, buttons});
  if (!answers.empty()) {
    Button b = answers.front();
    answers.pop_front();
    return b;
  }
  return default_button.value_or(Button::kYes);
}

std::optional<std::string> RecordingUi::ChooseDirectory(const std::string& caption,
                                                        const std::string& initial) {
  return Select({false, caption, initial, "*.*", SelectionForm::kNarrow});
}

std::optional<std::string> RecordingUi::ChooseFile(const std::string& caption,
                                                   const std::string& initial_dir,
                                                   const std::string& mask) {
  return Select({true, caption, initial_dir, mask, SelectionForm::kNarrow});
}

std::optional<std::string> RecordingUi::Select(const Selection& selection) {
  Shown s{selection.file ? "file" : "directory",
          selection.start,
          selection.prompt,
          MsgType::kInformation,
          {}};
  s.mask = selection.mask;
  s.form = selection.form;
  shown.push_back(std::move(s));
  auto& queue = selection.file ? files : directories;
  if (queue.empty()) return std::nullopt;
  auto answer = queue.front();
  queue.pop_front();
  return answer;
}

void RecordingUi::SetStatus(const std::string& text) {
  shown.push_back({"status", text, "", MsgType::kInformation, {}});
}

void RecordingUi::Progress(long position, long max) {
  shown.push_back({"progress",
                   std::to_string(position) + "/" + std::to_string(max),
                   "",
                   MsgType::kInformation,
                   {}});
}

void RecordingUi::Beep() { shown.push_back({"beep", "", "", MsgType::kInformation, {}}); }

void RecordingUi::ProcessPendingEvents() {
  ++pending_events;
  DrainPendingWork();
}

}  // namespace tarnik::platform
