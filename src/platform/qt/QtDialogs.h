#pragma once
// Message boxes and the input box as real Qt dialogues, modal over the main window.

#include <QPointer>
#include <QWidget>

#include "platform/Dialogs.h"

namespace pelmora {

class QtDialogs final : public Dialogs {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }
  Answer Message(const Text& text, const Text& caption, Buttons buttons, Icon icon) override;
  std::optional<std::string> Input(const Text& prompt, const Text& title, const std::string& defaultText) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace pelmora
