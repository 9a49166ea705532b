#include "platform/ui.h"

#include "platform/console_ui.h"

namespace tarnik::platform {
namespace {

Ui* g_ui = nullptr;
std::function<void()>& PendingWork() {
  static std::function<void()> handler;
  return handler;
}

ConsoleUi& DefaultUi() {
  static ConsoleUi console;
  return console;
}

}  // namespace

Ui& ui() { return g_ui ? *g_ui : DefaultUi(); }

Ui* SetUi(Ui* u) {
  Ui* previous = g_ui;
  g_ui = u;
  return previous;
}

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kProgress:
      return "progress";
    case Severity::kInformation:
      return "information";
    case Severity::kPassedOver:
      return "passed_over";
    case Severity::kFailure:
      return "failure";
  }
  return "information";
}

void Ui::Count(Severity severity) {
  switch (severity) {
    case Severity::kProgress:
      ++counts_.progress;
      break;
    case Severity::kInformation:
      ++counts_.information;
      break;
    case Severity::kPassedOver:
      ++counts_.passed_over;
      break;
    case Severity::kFailure:
      ++counts_.failure;
      break;
  }
}

void Ui::ShowMessage(const std::string& text, Severity severity) {
  Count(severity);
  Show(text, severity);
}

void Ui::ReportProtocolLine(const std::string& file, const std::string& line) {
  Count(Severity::kPassedOver);
  ShowProtocolLine(file, line);
}

Button Ui::AskYesNoQuit(const std::string& caption, const std::string& question,
                        const std::vector<std::string>& lines) {
  std::string text = question;
  for (const std::string& line : lines) text += "\n" + line;
  const Button answer =
      MessageBox(text, caption, MsgType::kConfirmation, {Button::kYes, Button::kNo, Button::kQuit});
  return answer == Button::kYes || answer == Button::kNo ? answer : Button::kQuit;
}

std::optional<std::string> Ui::Select(const Selection& selection) {
  return selection.file ? ChooseFile(selection.prompt, selection.start, selection.mask)
                        : ChooseDirectory(selection.prompt, selection.start);
}

void SetPendingWorkHandler(std::function<void()> handler) { PendingWork() = std::move(handler); }

void Ui::DrainPendingWork() {
  if (PendingWork()) PendingWork()();
}

std::string ButtonText(Button b) {
  switch (b) {
    case Button::kYes:
      return "Ano";
    case Button::kNo:
      return "Ne";
    case Button::kOk:
      return "OK";
    case Button::kCancel:
      return "Storno";
    case Button::kAbort:
      return "Přerušit";
    case Button::kRetry:
      return "Opakovat";
    case Button::kIgnore:
      return "Ignorovat";
    case Button::kAll:
      return "Vše";
    case Button::kNoToAll:
      return "Ne všem";
    case Button::kYesToAll:
      return "Ano všem";
    case Button::kQuit:
      return "ukončit";
  }
  return "";
}

}  // namespace tarnik::platform
