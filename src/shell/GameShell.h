#pragma once
// The game as a whole around its main window: it owns the shared state, answers the window's
// events, runs start-up, the game menu's commands and shutdown, and gives the rules their
// timer, score display, sound and leaderboard.

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "effects/Snow.h"
#include "game/Rules.h"
#include "leaderboard/EnterPxb.h"
#include "platform/Audio.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "shell/FrameDriver.h"
#include "shell/FrmMain.h"
#include "shell/GameMenu.h"
#include "shell/Music.h"
#include "shell/StartupSettings.h"
#include "view/FieldPainter.h"

namespace pelmora {

struct ShellPorts {
  Dialogs& dialogs;
  CueSink& cues;
  MusicPlayer& music;
  ShellOpener& opener;
  PictureLoader& pictures;
  Random& random;
  Tick& tick;
  LeaderboardHost* leaderboard = nullptr;  // nothing: the real leaderboard window
  std::function<void()> endProcess;        // ends the process at once, after the settings are saved
};

class GameShell final : public QObject, NewGameHooks, ScoreView, GameOverHandOff, DescentTimer {
 public:
  // `gameFolder`: the folder with images, sounds, music, picture sets and settings.
  GameShell(std::string gameFolder, ShellPorts ports);
  ~GameShell() override;

  // The start-up of the main window. False when the game cannot run (a fixed picture is missing);
  // the player has been told which file, and the window must not be shown.
  bool StartUp();

  // The window's commands.
  void NewGameCommand();
  void ExitCommand();
  void OpenGameMenu();
  void SelectGameMode(int mode);
  void ChoosePictureSet(int index);
  void ShowHelp();
  void ShowLeaderboard();
  void OpenWebPage();
  void ShowAbout();
  void DescentTimerTick();

  FrmMain& window() { return *frm_; }
  GameMenu& menu() { return *menu_; }
  Game& game() { return game_; }
  UserSettings& settings() { return settings_; }
  const std::vector<PictureSet>& pictureSets() const { return sets_; }
  const SpriteStore& sprites() const { return store_; }
  Music& music() { return music_; }
  PXBList& leaderboard() { return pxb_; }
  const QTimer& descentTimer() const { return mapMoveDownTimer_; }
  const FrameDriver& frameDriver() const { return driver_; }
  void RunOneFrame();

 private:
  // The shell's steps of a new game.
  bool ConfirmRestart() override;
  void StartMusic() override;
  void SetUpSnow() override;
  void LoadPictureSet() override;
  void RestartLoop() override;
  // The score picture and the level caption.
  void ShowDigits(std::string_view eightDigits) override;
  void ShowLevelCaption(const std::string& caption) override;
  // The leaderboard's turn at game over.
  void EnterPXB(std::int32_t score) override;
  // MapMoveDownTimer.
  void Start(int intervalMs) override;
  void SetInterval(int intervalMs) override;
  void Stop() override;

  void ConnectWindow();
  bool LoadFixedPicturesOrTell();
  void LoadStartScore();
  void LoadCurrentPictureSet();
  void LoadSnowForCurrentSet();
  const PictureSet* CurrentSet() const;
  void Shutdown();
  bool FrameMayRun() const;

  std::string folder_;
  ShellPorts io_;
  Game game_;
  UserSettings settings_;
  std::vector<PictureSet> sets_;
  SpriteStore store_;
  Surface field_;
  Surface score_;
  Snow snow_;
  PXBList pxb_{};
  Music music_;
  GameRules rules_;
  FieldPainter painter_;
  QTimer mapMoveDownTimer_;
  FrameDriver driver_;
  std::unique_ptr<FrmMain> frm_;
  std::unique_ptr<GameMenu> menu_;
  std::unique_ptr<LeaderboardHost> ownLeaderboard_;
};

}  // namespace pelmora
