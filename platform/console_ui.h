// Ui for the command line: messages and status go to stderr in UTF-8. Questions and choosers are
// answered only from what the command line preset (--yes, a directory or file option); otherwise
// they throw QuestionUnanswered. Never reads stdin.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "platform/ui.h"

namespace tarnik::platform {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(std::FILE* out = stderr) : out_(out) {}

  // --yes: questions are answered with Yes (or OK, or the first button when neither is offered).
  void set_assume_yes(bool yes) { assume_yes_ = yes; }
  // Answers for the directory and file choosers (used once each, then kept).
  void set_directory_answer(std::optional<std::string> dir) { directory_ = std::move(dir); }
  void set_file_answer(std::optional<std::string> file) { file_ = std::move(file); }
  void set_quiet(bool quiet) { quiet_ = quiet; }

  void ShowMessage(const std::string& text) override;
  Button MessageBox(const std::string& text, const std::string& caption, MsgType type,
                    const Buttons& buttons) override;
  std::optional<std::string> ChooseDirectory(const std::string& caption,
                                             const std::string& initial) override;
  std::optional<std::string> ChooseFile(const std::string& caption, const std::string& initial_dir,
                                        const std::string& mask) override;
  void SetStatus(const std::string& text) override;
  void Progress(long position, long max) override;
  void Beep() override {}
  void SetCursor(Cursor) override {}

 private:
  std::FILE* out_;
  bool assume_yes_ = false;
  bool quiet_ = false;
  std::optional<std::string> directory_;
  std::optional<std::string> file_;
  std::string last_status_;
};

}  // namespace tarnik::platform
