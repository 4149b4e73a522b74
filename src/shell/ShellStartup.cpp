// Start-up of the main window, and shutdown.
#include <QPixmap>

#include "leaderboard/PxbStore.h"
#include "platform/Paths.h"
#include "platform/qt/QtPictures.h"
#include "platform/AppInfo.h"
#include "shell/GameShell.h"

namespace pelmora {

bool GameShell::StartUp() {
  // The window's size is fixed by the window itself; the splash has been shown by then.
  StartupSettings read = ReadStartupSettings(SettingsFile(SettingsPath(folder_)), folder_, io_.dialogs);
  settings_ = read.User;
  sets_ = std::move(read.Sets);
  for (const PictureSet& set : sets_) menu_->AddPictureSet(QString::fromStdString(set.Name));

  // The music list is read before the music switch is set, so that music already plays on the
  // title screen when it is switched on.
  music_.ScanMediaFolder();
  frm_->CheckMediaON()->setChecked(settings_.MediaON == kTrue);
  music_.ApplyVolume();
  frm_->CheckSoundON()->setChecked(settings_.SoundON == kTrue);
  SelectGameMode(settings_.GameMode);

  if (!LoadFixedPicturesOrTell()) return false;
  LoadStartScore();
  frm_->ShowField(AsImage(store_.GameMap));

  game_.State = GameState::NoStar;
  game_.DescentDue = kFalse;
  mapMoveDownTimer_.stop();
  frm_->setWindowTitle(kAppTitle);
  pxb_ = LoadPXB(PXBPath(folder_));
  return true;
}

bool GameShell::LoadFixedPicturesOrTell() {
  const auto failed = LoadFixedPictures(store_, folder_ + "\\images\\", io_.pictures);
  if (!failed) return true;
  io_.dialogs.Message("游戏图片丢失或已损坏：\n" + GamePath(folder_, "\\images\\" + *failed) +
                          "\n\n请重新安装游戏。程序将退出。",
                      kAppTitle, Buttons::Ok, Icon::Exclamation);
  return false;
}

// The score box shows its own picture until the first game paints the score into it.
void GameShell::LoadStartScore() {
  if (auto picture = io_.pictures.Load(GamePath(folder_, "\\ui\\ScoreStart.png")))
    BitBlt(score_, 0, 0, score_.width, score_.height, *picture, 0, 0, RasterOp::SrcCopy);
  frm_->ShowScore(AsImage(score_));
}

void GameShell::Shutdown() {
  game_.State = GameState::Pause;  // no further frame runs, whatever happens next
  driver_.Stop();
  mapMoveDownTimer_.stop();
  if (!WriteUserSettings(SettingsFile(SettingsPath(folder_)), settings_)) {
    io_.dialogs.Message("游戏设置无法保存到 " + SettingsPath(folder_) + "。\n下次启动时将使用原来的设置。", kAppTitle,
                        Buttons::Ok, Icon::Exclamation);
  }
  if (io_.endProcess) io_.endProcess();
}

}  // namespace pelmora
