// The player's choice of language, as far as the session is concerned: the choice is kept in the
// settings, and the pictures with words are read again in the new language.
#include "platform/AppInfo.h"
#include "shell/Session.h"
#include "shell/StartupSettings.h"

namespace pelmora {

void Session::LanguageChosen(Language language) {
  // Stored at once, so that it also holds when the game ends without its own shutdown. Without a
  // folder for the settings (told at start-up already) the choice lasts for this run.
  if (!where_.SettingsToSave.empty()) {
    const SettingsFile file(where_.SettingsToSave);
    if (!StoreChosenLanguage(file.Path, file.TempPath, language))
      io_.dialogs.Message(Text(QT_TRANSLATE_NOOP("Pelmora", "语言设置无法保存到 %1。"), {file.Path}), kAppTitle,
                          Buttons::Ok, Icon::Exclamation);
  }
  LoadPausePicture();
  if (scoreDigits_.empty()) LoadStartScore();
  ShowIdleField();
}

}  // namespace pelmora
