// Ui for the command line: messages, status and protocol lines go to stderr in UTF-8 (--quiet
// leaves out the status lines only). Questions and choosers are
// answered only from what the command line preset (--yes, a directory or file option); otherwise
// they throw QuestionUnanswered. Never reads stdin.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace tarnik::platform {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(std::FILE* out = stderr) : out_(out) {}
  // Writes to a stream instead (the CLI's error stream, so that its lines keep their order).
  explicit ConsoleUi(std::ostream& out) : out_(nullptr), stream_(&out) {}

  // --yes: questions are answered with Yes (or OK, or the first button when neither is offered).
  void set_assume_yes(bool yes) { assume_yes_ = yes; }
  // Answers for the directory and file choosers (used once each, then kept).
  void set_directory_answer(std::optional<std::string> dir) { directory_ = std::move(dir); }
  void set_file_answer(std::optional<std::string> file) { file_ = std::move(file); }
  void set_quiet(bool quiet) { quiet_ = quiet; }
  // The answer of the questions with "Ano", "Ne" and "ukončit" (an option such as --append);
  // without one they are answered "Ano" under --yes and are unanswerable otherwise.
  void set_yes_no_quit_answer(std::optional<Button> answer) { yes_no_quit_ = answer; }

  // Every message, question and protocol line shown, with its severity, in order (kept for
  // machine-readable output). Status lines are not kept: a long run shows one per element
  // written, and the log would grow with the unit.
  struct Logged {
    Severity severity;
    std::string text;
  };
  const std::vector<Logged>& log() const { return log_; }

  Button MessageBox(const std::string& text, const std::string& caption, MsgType type,
                    const Buttons& buttons) override;
  Button AskYesNoQuit(const std::string& caption, const std::string& question,
                      const std::vector<std::string>& lines) override;
  std::optional<std::string> ChooseDirectory(const std::string& caption,
                                             const std::string& initial) override;
  std::optional<std::string> ChooseFile(const std::string& caption, const std::string& initial_dir,
                                        const std::string& mask) override;
  void SetStatus(const std::string& text) override;
  void Progress(long position, long max) override;
  void Beep() override {}
  void SetCursor(Cursor) override {}

 protected:
  void Show(const std::string& text, Severity severity) override;
  void ShowProtocolLine(const std::string& file, const std::string& line) override;

 private:
  void WriteLine(const std::string& text);

  std::FILE* out_;
  std::ostream* stream_ = nullptr;
  bool assume_yes_ = false;
  bool quiet_ = false;
  std::optional<Button> yes_no_quit_;
  std::optional<std::string> directory_;
  std::optional<std::string> file_;
  std::string last_status_;
  std::vector<Logged> log_;
};

}  // namespace tarnik::platform
