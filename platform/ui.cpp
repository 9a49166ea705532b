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
  }
  return "";
}

}  // namespace tarnik::platform
