// A Ui for the fuzz targets: shows nothing, answers every question with its first button and
// every chooser with cancel. Installed once per process.
#pragma once

#include "platform/ui.h"

namespace tarnik::fuzzing {

class QuietUi : public platform::Ui {
 public:
  platform::Button MessageBox(const std::string&, const std::string&, platform::MsgType,
                              const platform::Buttons& buttons) override {
    return buttons.empty() ? platform::Button::kOk : buttons.front();
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
  void SetCursor(platform::Cursor) override {}

 protected:
  void Show(const std::string&, platform::Severity) override {}
};

// Installs the quiet Ui on first call.
inline void InstallQuietUi() {
  static QuietUi ui;
  static bool installed = (platform::SetUi(&ui), true);
  (void)installed;
}

}  // namespace tarnik::fuzzing
