#include "platform/qt/QtDialogs.h"

#include <QFile>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace pelmora {

namespace {

struct Choice {
  Answer answer;
  const char* text;
};

// The buttons of each box, left to right, with what Enter and what Esc (or closing the box)
// choose. Enter takes the first button, as the game's boxes have always done; in particular
// Abort ends the key-not-found box, which Retry and Ignore would only bring back.
struct ButtonSet {
  std::vector<Choice> choices;
  Answer enter;
  Answer escape;
};

const ButtonSet& SetOf(Buttons b) {
  static const ButtonSet ok{{{Answer::Ok, "确定"}}, Answer::Ok, Answer::Ok};
  static const ButtonSet okCancel{{{Answer::Ok, "确定"}, {Answer::Cancel, "取消"}}, Answer::Ok, Answer::Cancel};
  static const ButtonSet yesNo{{{Answer::Yes, "是(&Y)"}, {Answer::No, "否(&N)"}}, Answer::Yes, Answer::No};
  static const ButtonSet abortRetryIgnore{
      {{Answer::Abort, "中止"}, {Answer::Retry, "重试"}, {Answer::Ignore, "忽略"}}, Answer::Abort, Answer::Abort};
  switch (b) {
    case Buttons::Ok: return ok;
    case Buttons::OkCancel: return okCancel;
    case Buttons::YesNo: return yesNo;
    case Buttons::AbortRetryIgnore: return abortRetryIgnore;
  }
  return ok;
}

QMessageBox::Icon IconOf(Icon i) {
  switch (i) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Warning: return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Answer QtDialogs::Message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
  // The game's texts break their lines the Windows way (CR LF); a label wants plain LF.
  const QString body = QString::fromStdString(text).replace("\r\n", "\n");
  QMessageBox box(IconOf(icon), QString::fromStdString(caption), body, QMessageBox::NoButton, owner_.data());
  // Qt's standard buttons are placed by role, in an order that each platform's button-box layout
  // chooses (Abort, a rejecting button, lands right of Retry and Ignore on Windows and left of
  // them elsewhere). Buttons that share one role keep the order they are added in on every
  // layout, and ActionRole is never reversed, so each box shows its buttons as listed.
  const ButtonSet& set = SetOf(buttons);
  std::vector<std::pair<const QAbstractButton*, Answer>> answers;
  for (const Choice& choice : set.choices) {
    QPushButton* button = box.addButton(QString::fromUtf8(choice.text), QMessageBox::ActionRole);
    answers.emplace_back(button, choice.answer);
    if (choice.answer == set.enter) box.setDefaultButton(button);
    if (choice.answer == set.escape) box.setEscapeButton(button);
  }
  // Qt's own question mark is a small bitmap, blurred on a screen of more pixels.
  if (icon == Icon::Question && QFile::exists(pictures_ + "/Question.png")) {
    const QIcon own(pictures_ + "/Question.png");  // with its "@2x" drawing beside it
    box.setIconPixmap(own.pixmap(QSize(32, 32), box.devicePixelRatio()));
  }
  box.exec();
  for (const auto& [button, answer] : answers)
    if (button == box.clickedButton()) return answer;
  return set.escape;
}

std::optional<std::string> QtDialogs::Input(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText, int maxChars) {
  QInputDialog dialog(owner_.data());
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setInputMode(QInputDialog::TextInput);
  for (;;) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // Characters as the player counts them, not UTF-16 units: 😀 is one.
    const QString text = dialog.textValue();
    if (maxChars <= 0 || text.toUcs4().size() <= maxChars) return text.toStdString();
    Message(tr("这个名字太长了：最多只能有 %1 个字。").arg(maxChars).toStdString(), title, Buttons::Ok,
            Icon::Exclamation);
  }
}

}  // namespace pelmora
