// The question dialog TdotazF1: a caption, the question's lines and the buttons "Ano", "Ne",
// "Ano všem" and "Ne všem" (those not offered are hidden) plus any further button offered, with
// its own caption ("ukončit", "OK", ...). The first button offered has the focus. Answer() is
// the button pressed, kCancel when the dialog was closed otherwise.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <map>

#include "platform/ui.h"

class QPushButton;

namespace tarnik::gui {

class TdotazF1 : public QDialog {
 public:
  TdotazF1(const QString& caption, const QStringList& lines, const platform::Buttons& buttons,
           QWidget* parent = nullptr);

  platform::Button Answer() const { return answer_; }
  // The button of an answer (hidden when not offered); nil for one never created.
  QPushButton* ButtonFor(platform::Button button) const;

 private:
  QPushButton* AddButton(platform::Button button, const char* name);

  std::map<platform::Button, QPushButton*> buttons_;
  platform::Button answer_ = platform::Button::kCancel;
};

// The lines of a question text (split at line breaks, CR LF and LF alike).
QStringList QuestionLines(const std::string& text);

}  // namespace tarnik::gui
