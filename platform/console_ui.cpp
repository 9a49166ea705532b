#include "platform/console_ui.h"

#include <algorithm>
#include <ostream>

namespace tarnik::platform {

void ConsoleUi::WriteLine(const std::string& text) {
  if (stream_) {
    *stream_ << text << '\n' << std::flush;
    return;
  }
  std::fprintf(out_, "%s\n", text.c_str());
  std::fflush(out_);
}

void ConsoleUi::Show(const std::string& text, Severity severity) {
  log_.push_back({severity, text});
  WriteLine(text);
}

void ConsoleUi::ShowProtocolLine(const std::string& file, const std::string& line) {
  const std::string text = file + ": " + line;
  log_.push_back({Severity::kPassedOver, text});
  WriteLine(text);
}

Button ConsoleUi::MessageBox(const std::string& text, const std::string& caption, MsgType type,
                             const Buttons& buttons) {
  bool question = buttons.size() > 1;
  if (!question) {
    ShowMessage(caption.empty() ? text : caption + ": " + text,
                type == MsgType::kError ? Severity::kFailure : Severity::kInformation);
    return buttons.empty() ? Button::kOk : buttons.front();
  }
  if (!assume_yes_) throw QuestionUnanswered{text};
  log_.push_back({Severity::kInformation, text});
  WriteLine(text);
  for (Button preferred : {Button::kYes, Button::kOk}) {
    if (std::find(buttons.begin(), buttons.end(), preferred) != buttons.end()) {
      WriteLine("-> " + ButtonText(preferred) + " (--yes)");
      return preferred;
    }
  }
  return buttons.front();
}

Button ConsoleUi::AskYesNoQuit(const std::string& caption, const std::string& question,
                               const std::vector<std::string>& lines) {
  std::optional<Button> answer = yes_no_quit_;
  if (!answer && assume_yes_) answer = Button::kYes;
  if (!answer) throw QuestionUnanswered{question};
  log_.push_back({Severity::kInformation, question});
  WriteLine(question);
  for (const std::string& line : lines) WriteLine(line);
  WriteLine("-> " + ButtonText(*answer));
  return *answer;
}

std::optional<std::string> ConsoleUi::ChooseDirectory(const std::string& caption,
                                                      const std::string& initial) {
  if (!directory_) throw QuestionUnanswered{caption};
  return directory_;
}

std::optional<std::string> ConsoleUi::ChooseFile(const std::string& caption,
                                                 const std::string& initial_dir,
                                                 const std::string& mask) {
  if (!file_) throw QuestionUnanswered{caption};
  return file_;
}

void ConsoleUi::SetStatus(const std::string& text) {
  if (text.empty() || text == last_status_) return;
  last_status_ = text;
  if (quiet_) return;
  WriteLine(text);
}

void ConsoleUi::Progress(long position, long max) {}

}  // namespace tarnik::platform
