#pragma once
// Message boxes and the input box as real Qt dialogues, modal over the main window.

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "platform/Dialogs.h"

namespace pelmora {

class QtDialogs final : public Dialogs {
  Q_DECLARE_TR_FUNCTIONS(QtDialogs)

 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // The folder of the game's own box pictures ("Question.png", with its "@2x" drawing).
  void SetPictureFolder(const QString& uiFolder) { pictures_ = uiFolder; }
  Answer Message(const Text& text, const Text& caption, Buttons buttons, Icon icon) override;
  std::optional<std::string> Input(const Text& prompt, const Text& title, const std::string& defaultText,
                                   int maxChars = 0) override;
  void SaveFailed(StoredFile file, const SaveError& why) override;

 private:
  QPointer<QWidget> owner_;
  QString pictures_;
};

}  // namespace pelmora
