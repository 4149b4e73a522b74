// Start-up of the main window, and shutdown.
#include "leaderboard/PxbStore.h"
#include "platform/Paths.h"
#include "platform/AppInfo.h"
#include "shell/Session.h"
#include "view/Layout.h"
#include "game/GameFiles.h"

namespace pelmora {

bool Session::StartUp() {
  // A folder of the player's that could not be made is told once; the game runs on without it.
  if (!where_.Message.Words.empty()) io_.dialogs.Message(where_.Message, kAppTitle, Buttons::Ok, Icon::Exclamation);
  StartupSettings read = ReadStartupSettings(SettingsFile(where_.SettingsToRead), where_.GameFolder, io_.dialogs);
  settings_ = read.User;
  sets_ = std::move(read.Sets);
  settingsKept_ = !read.FileIsText;
  if (settingsKept_) io_.view.TellFileProblem(FileProblem::SettingsNotText, where_.SettingsToRead);
  for (const PictureSet& set : sets_) io_.view.AddPictureSet(set.Name);

  // The music list is read before the music switch is set, so that music already plays on the
  // title screen when it is switched on.
  music_.ScanMediaFolders(where_.MusicFolders);
  io_.view.SetMusicSwitch(settings_.MediaON == kTrue);
  music_.ApplyVolume();
  io_.view.SetSoundSwitch(settings_.SoundON == kTrue);
  SelectGameMode(settings_.GameMode);

  if (!LoadFixedPicturesOrTell()) return false;
  LoadStartScore();
  LoadCoverPictures();
  io_.view.ShowField(store_.GameMap);

  game_.State = GameState::NoStar;
  game_.DescentDue = kFalse;
  io_.timer.StopCountdown();
  pxb_ = LoadPXB(where_.LeaderboardFile);
  return true;
}

bool Session::LoadFixedPicturesOrTell() {
  const auto failed = LoadFixedPictures(store_, where_.GameFolder + files::kImages, io_.pictures);
  if (!failed) return true;
  io_.dialogs.Message(Text(QT_TRANSLATE_NOOP("Pelmora", "游戏图片丢失或已损坏：\n%1\n\n请重新安装游戏。程序将退出。"),
                           {GamePath(where_.GameFolder, files::kImages + *failed)}),
                      kAppTitle, Buttons::Ok, Icon::Exclamation);
  return false;
}

// The pictures that cover the field: without its own a pause still hides the board, behind the
// plain field colour; a lost game without its own keeps showing its last frame.
void Session::LoadCoverPictures() {
  const int k = store_.scale;
  const std::string ui = GamePath(where_.GameFolder, files::kUi);
  pausePicture_ = LoadForScale(io_.pictures, ui, "Pause.png", k)
                      .value_or(Surface(layout::kFieldWidth * k, layout::kFieldHeight * k, kBlack));
  gameOverPicture_ = LoadForScale(io_.pictures, ui, "GameOver.png", k);
}

// The score box shows its own picture until the first game paints the score into it.
void Session::LoadStartScore() {
  if (auto picture = LoadForScale(io_.pictures, GamePath(where_.GameFolder, files::kUi), "ScoreStart.png", store_.scale))
    BitBlt(score_, 0, 0, score_.width, score_.height, *picture, 0, 0, RasterOp::SrcCopy);
  io_.view.ShowScore(score_);
}

void Session::Shutdown() {
  game_.State = GameState::Pause;  // no further frame runs, whatever happens next
  io_.loop.Stop();
  io_.timer.StopCountdown();
  // Without a folder for them, or in a file the game cannot read (both told at start-up already),
  // the settings have nowhere to go.
  if (!where_.SettingsToSave.empty() && !settingsKept_) {
    if (const SaveResult failed = WriteUserSettings(SettingsFile(where_.SettingsToSave), settings_))
      io_.dialogs.SaveFailed(StoredFile::Settings, *failed);
  }
  if (io_.endProcess) io_.endProcess();
}

}  // namespace pelmora
