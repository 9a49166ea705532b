#include "app/gui/question_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/gui/qt_text.h"

namespace tarnik::gui {
namespace {

using platform::Button;

const char* NameOf(Button button) {
  switch (button) {
    case Button::kYes:
      return "BAno";
    case Button::kNo:
      return "BNe";
    case Button::kYesToAll:
      return "BAnoVsem";
    case Button::kNoToAll:
      return "BNeVsem";
    case Button::kQuit:
      return "BUkoncit";
    case Button::kOk:
      return "BOk";
    case Button::kCancel:
      return "BStorno";
    case Button::kAbort:
      return "BPrerusit";
    case Button::kRetry:
      return "BOpakovat";
    case Button::kIgnore:
      return "BIgnorovat";
    case Button::kAll:
      return "BVse";
  }
  return "B";
}

}  // namespace

QStringList QuestionLines(const std::string& text) {
  QString all = Q(text);
  all.replace("\r\n", "\n");
  return all.split('\n');
}

TdotazF1::TdotazF1(const QString& caption, const QStringList& lines,
                   const platform::Buttons& buttons, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TdotazF1");
  setWindowTitle(caption);
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  auto* text = new QVBoxLayout;
  text->setSpacing(2);
  for (int i = 0; i < lines.size(); ++i) {
    auto* label = new QLabel(lines[i], this);
    label->setObjectName(QString("Label%1").arg(i + 1));
    label->setTextFormat(Qt::PlainText);
    text->addWidget(label);
  }
  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(icon);
  top->addLayout(text, 1);

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  // The four answers of the form in their places; the further ones after them.
  for (Button b : {Button::kYes, Button::kNo, Button::kYesToAll, Button::kNoToAll}) {
    row->addWidget(AddButton(b, NameOf(b)));
  }
  for (Button b : buttons) {
    if (!buttons_.count(b)) row->addWidget(AddButton(b, NameOf(b)));
  }
  for (auto& [b, widget] : buttons_) {
    widget->setVisible(std::find(buttons.begin(), buttons.end(), b) != buttons.end());
  }
  if (!buttons.empty()) {
    QPushButton* first = buttons_[buttons.front()];
    first->setDefault(true);
    first->setFocus();
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 18, 18, 12);
  layout->setSpacing(16);
  layout->addLayout(top);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TdotazF1::AddButton(Button button, const char* name) {
  auto* widget = new QPushButton(Q(platform::ButtonText(button)), this);
  widget->setObjectName(name);
  widget->setAutoDefault(true);
  widget->setMinimumWidth(90);
  connect(widget, &QPushButton::clicked, this, [this, button] {
    answer_ = button;
    accept();
  });
  buttons_[button] = widget;
  return widget;
}

QPushButton* TdotazF1::ButtonFor(Button button) const {
  auto it = buttons_.find(button);
  return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace tarnik::gui
