#include "platform/qt/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/AppInfo.h"

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
  box.exec();
  for (const auto& [button, answer] : answers)
    if (button == box.clickedButton()) return answer;
  return set.escape;
}

std::optional<std::string> QtDialogs::Input(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
  QInputDialog dialog(owner_.data());
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setInputMode(QInputDialog::TextInput);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

namespace {

// Why a save failed, in the player's words.
QString Reason(const SaveError& why) {
  const QString path = QString::fromStdString(why.Path);
  switch (why.Problem) {
    case SaveProblem::DanglingLink: return QStringLiteral("该文件是一个链接，它指向的文件不存在：%1").arg(path);
    case SaveProblem::NotAFile: return QStringLiteral("%1 不是普通文件。").arg(path);
    case SaveProblem::ReadOnly: return QStringLiteral("%1 是只读文件。").arg(path);
    case SaveProblem::CannotCreate: return QStringLiteral("无法在文件夹 %1 中创建文件。").arg(path);
    case SaveProblem::CannotWrite: return QStringLiteral("无法写入 %1（磁盘可能已满）。").arg(path);
    case SaveProblem::CannotReplace: return QStringLiteral("无法替换 %1。").arg(path);
    case SaveProblem::NotEncodable: return QStringLiteral("%1 的编码无法保存其中的文字。").arg(path);
    case SaveProblem::Unreadable: return QStringLiteral("无法读取 %1。").arg(path);
  }
  return path;
}

}  // namespace

void QtDialogs::SaveFailed(StoredFile file, const SaveError& why) {
  const QString text = file == StoredFile::Settings
                           ? QStringLiteral("游戏设置无法保存：%1\n下次启动时将使用原来的设置。").arg(Reason(why))
                           : QStringLiteral("排行榜无法保存：%1\n这次的记录只保留到游戏退出为止。").arg(Reason(why));
  Message(text.toStdString(), kAppTitle, Buttons::Ok, Icon::Exclamation);
}

}  // namespace pelmora
