#include "platform/qt/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace pelmora {

namespace {

QMessageBox::StandardButtons ButtonsOf(Buttons b) {
  switch (b) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
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

// What closing the box with Escape or the window's close button means for each set of buttons.
Answer EscapeAnswer(Buttons b) {
  switch (b) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
  }
  return Answer::Cancel;
}

Answer AnswerOf(int button, Buttons asked) {
  switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return EscapeAnswer(asked);
  }
}

}  // namespace

Answer QtDialogs::Message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
  // The game's texts break their lines the Windows way (CR LF); a label wants plain LF.
  const QString body = QString::fromStdString(text).replace("\r\n", "\n");
  QMessageBox box(IconOf(icon), QString::fromStdString(caption), body, ButtonsOf(buttons), owner_.data());
  if (buttons == Buttons::AbortRetryIgnore) box.setEscapeButton(QMessageBox::Abort);
  return AnswerOf(box.exec(), buttons);
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

}  // namespace pelmora
