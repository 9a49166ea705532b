// A Ui that shows nothing, answers every question with its first button and every chooser with
// cancel: for programs that run the commands without anyone to see them (fuzz targets,
// benchmarks). It still counts messages by severity as every Ui does.
#pragma once

#include <optional>
#include <string>

#include "platform/ui.h"

namespace tarnik::platform {

class QuietUi : public Ui {
 public:
  Button MessageBox(const std::string&, const std::string&, MsgType,
                    const Buttons& buttons) override {
    return buttons.empty() ? Button::kOk : buttons.front();
  }
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFile(const std::string&, const std::string&,
                                        const std::string&) override {
    return std::nullopt;
  }
  void SetStatus(const std::string&) override {}
  void Progress(long, long) override {}
  void Beep() override {}
  void SetCursor(Cursor) override {}

 protected:
  void Show(const std::string&, Severity) override {}
};

}  // namespace tarnik::platform
