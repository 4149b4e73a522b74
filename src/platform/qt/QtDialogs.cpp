#include "platform/qt/QtDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/AppInfo.h"
#include "platform/qt/QtLanguage.h"

namespace pelmora {

namespace {

struct Choice {
  Answer answer;
  const char* text;
};

// The buttons' words, in the catalogue's context of the boxes.
constexpr char kButtons[] = "QtDialogs";

// The buttons of each box, left to right, with what Enter and what Esc (or closing the box)
// choose. Enter takes the first button, as the game's boxes have always done; in particular
// Abort ends the key-not-found box, which Retry and Ignore would only bring back.
struct ButtonSet {
  std::vector<Choice> choices;
  Answer enter;
  Answer escape;
};

const ButtonSet& SetOf(Buttons b) {
  static const char* const okText = QT_TRANSLATE_NOOP("QtDialogs", "确定");
  static const ButtonSet ok{{{Answer::Ok, okText}}, Answer::Ok, Answer::Ok};
  static const ButtonSet okCancel{{{Answer::Ok, okText}, {Answer::Cancel, QT_TRANSLATE_NOOP("QtDialogs", "取消")}},
                                  Answer::Ok, Answer::Cancel};
  static const ButtonSet yesNo{
      {{Answer::Yes, QT_TRANSLATE_NOOP("QtDialogs", "是(&Y)")}, {Answer::No, QT_TRANSLATE_NOOP("QtDialogs", "否(&N)")}},
      Answer::Yes, Answer::No};
  static const ButtonSet abortRetryIgnore{{{Answer::Abort, QT_TRANSLATE_NOOP("QtDialogs", "中止")},
                                           {Answer::Retry, QT_TRANSLATE_NOOP("QtDialogs", "重试")},
                                           {Answer::Ignore, QT_TRANSLATE_NOOP("QtDialogs", "忽略")}},
                                          Answer::Abort, Answer::Abort};
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

Answer QtDialogs::Message(const Text& text, const Text& caption, Buttons buttons, Icon icon) {
  // The game's texts break their lines the Windows way (CR LF); a label wants plain LF.
  const QString body = Words(text).replace("\r\n", "\n");
  QMessageBox box(IconOf(icon), Words(caption), body, QMessageBox::NoButton, owner_.data());
  // Qt's standard buttons are placed by role, in an order that each platform's button-box layout
  // chooses (Abort, a rejecting button, lands right of Retry and Ignore on Windows and left of
  // them elsewhere). Buttons that share one role keep the order they are added in on every
  // layout, and ActionRole is never reversed, so each box shows its buttons as listed.
  const ButtonSet& set = SetOf(buttons);
  std::vector<std::pair<const QAbstractButton*, Answer>> answers;
  for (const Choice& choice : set.choices) {
    QPushButton* button = box.addButton(QCoreApplication::translate(kButtons, choice.text), QMessageBox::ActionRole);
    answers.emplace_back(button, choice.answer);
    if (choice.answer == set.enter) box.setDefaultButton(button);
    if (choice.answer == set.escape) box.setEscapeButton(button);
  }
  // Qt's own question mark is a small bitmap, blurred on a screen of more pixels.
  if (icon == Icon::Question && QFile::exists(pictures_ + "Question.png")) {
    const QIcon own(pictures_ + "Question.png");  // with its "@2x" drawing beside it
    box.setIconPixmap(own.pixmap(QSize(32, 32), box.devicePixelRatio()));
  }
  box.exec();
  for (const auto& [button, answer] : answers)
    if (button == box.clickedButton()) return answer;
  return set.escape;
}

std::optional<std::string> QtDialogs::Input(const Text& prompt, const Text& title, const std::string& defaultText,
                                            int maxChars) {
  QInputDialog dialog(owner_.data());
  dialog.setWindowTitle(Words(title));
  dialog.setLabelText(Words(prompt));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setInputMode(QInputDialog::TextInput);
  for (;;) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // Characters as the player counts them, not UTF-16 units: 😀 is one.
    const QString text = dialog.textValue();
    if (maxChars <= 0 || text.toUcs4().size() <= maxChars) return text.toStdString();
    Message(Text(QT_TRANSLATE_NOOP("Pelmora", "这个名字太长了：最多只能有 %1 个字。"), {std::to_string(maxChars)}),
            title, Buttons::Ok, Icon::Exclamation);
  }
}

namespace {

// Why a save failed, as a sentence of its own with the file in it.
Text Reason(const SaveError& why) {
  const char* words = "%1";
  switch (why.Problem) {
    case SaveProblem::DanglingLink: words = QT_TRANSLATE_NOOP("Pelmora", "该文件是一个链接，它指向的文件不存在：%1"); break;
    case SaveProblem::NotAFile: words = QT_TRANSLATE_NOOP("Pelmora", "%1 不是普通文件。"); break;
    case SaveProblem::ReadOnly: words = QT_TRANSLATE_NOOP("Pelmora", "%1 是只读文件。"); break;
    case SaveProblem::CannotCreate: words = QT_TRANSLATE_NOOP("Pelmora", "无法在文件夹 %1 中创建文件。"); break;
    case SaveProblem::CannotWrite: words = QT_TRANSLATE_NOOP("Pelmora", "无法写入 %1（磁盘可能已满）。"); break;
    case SaveProblem::CannotReplace: words = QT_TRANSLATE_NOOP("Pelmora", "无法替换 %1。"); break;
    case SaveProblem::NotEncodable: words = QT_TRANSLATE_NOOP("Pelmora", "%1 的编码无法保存其中的文字。"); break;
    case SaveProblem::Unreadable: words = QT_TRANSLATE_NOOP("Pelmora", "无法读取 %1。"); break;
    case SaveProblem::NotText: words = QT_TRANSLATE_NOOP("Pelmora", "%1 不是游戏能读的文字，没有改动。"); break;
  }
  return Text(words, {why.Path});
}

}  // namespace

void QtDialogs::SaveFailed(StoredFile file, const SaveError& why) {
  // The reason is a whole sentence of its own, already in the player's language.
  const std::string reason = Words(Reason(why)).toStdString();
  const char* words = file == StoredFile::Settings
                          ? QT_TRANSLATE_NOOP("Pelmora", "游戏设置无法保存：%1\n下次启动时将使用原来的设置。")
                          : QT_TRANSLATE_NOOP("Pelmora", "排行榜无法保存：%1\n这次的记录只保留到游戏退出为止。");
  Message(Text(words, {reason}), kAppTitle, Buttons::Ok, Icon::Exclamation);
}

}  // namespace pelmora
