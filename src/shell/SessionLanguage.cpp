// The player's choice of language, as far as the session is concerned: the choice is kept in the
// settings, and the pictures with words (the field's title picture, the pause picture, the score
// box's first picture) are read again in the new language.
#include "game/GameFiles.h"
#include "platform/AppInfo.h"
#include "shell/Session.h"
#include "shell/StartupSettings.h"

namespace pelmora {

void Session::LanguageChosen(Language language) {
  // Stored at once, so that it also holds when the game ends without its own shutdown. Without a
  // folder for the settings (told at start-up already) the choice lasts for this run.
  if (!where_.SettingsToSave.empty()) {
    if (const SaveResult failed = StoreChosenLanguage(where_.SettingsToSave, language))
      io_.dialogs.SaveFailed(StoredFile::Settings, *failed);
  }
  // The title picture of the field has words; the game goes on with the old pictures when the
  // new ones cannot be read.
  if (auto next = LoadedForScale(store_, where_.GameFolder + files::kImages, io_.pictures, store_.scale)) {
    store_ = std::move(*next);
    painter_.ClearField();
  }
  LoadCoverPictures();
  if (scoreDigits_.empty()) LoadStartScore();
  if (io_.loop.Running()) {
    io_.view.ShowField(field_);
  } else {
    ShowIdleField();
  }
}

}  // namespace pelmora
