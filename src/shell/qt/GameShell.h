#pragma once
// The game on the desktop: the main window, its game menu, the frame loop and the descent timer
// on the Qt event loop, wired to the session that decides everything. The shell itself only
// shows what the session tells it and passes on what the player does.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "shell/qt/QtDescentTimer.h"
#include "shell/qt/FrameDriver.h"
#include "shell/qt/FrmMain.h"
#include "shell/qt/GameMenu.h"
#include "shell/Session.h"

namespace pelmora {

struct ShellPorts : DesktopPorts {
  Tick& tick;
  LeaderboardHost* leaderboard = nullptr;  // nothing: the real leaderboard window
};

class GameShell final : public QObject, MainView {
 public:
  // `folders`: the game folder and where the player's settings, scores and music are.
  GameShell(GameFolders folders, ShellPorts ports);
  ~GameShell() override;

  // The session's start-up. False when the game cannot run; the window must not be shown then.
  bool StartUp() { return session_->StartUp(); }

  // The window's commands, as the session runs them; the game menu pops up here.
  void NewGameCommand() { session_->NewGameCommand(); }
  void ExitCommand() { session_->ExitCommand(); }
  void OpenGameMenu();
  void SelectGameMode(int mode) { session_->SelectGameMode(mode); }
  void ChoosePictureSet(int index) { session_->ChoosePictureSet(index); }
  void DescentTimerTick() { session_->DescentTimerTick(); }
  void RunOneFrame() { session_->RunOneFrame(); }

  FrmMain& window() { return *frm_; }
  GameMenu& menu() { return *menu_; }
  Session& session() { return *session_; }
  Game& game() { return session_->game(); }
  UserSettings& settings() { return session_->settings(); }
  const std::vector<PictureSet>& pictureSets() const { return session_->pictureSets(); }
  const SpriteStore& sprites() const { return session_->sprites(); }
  Music& music() { return session_->music(); }
  PXBList& leaderboard() { return session_->leaderboard(); }
  const Countdown& descentCountdown() const { return descentTimer_.countdown(); }
  const FrameDriver& frameDriver() const { return driver_; }

 private:
  // The main window as the session sees it.
  void ShowField(const Surface& field) override;
  void ShowFieldChanges(const Surface& field, const std::vector<layout::Rect>& changed) override;
  void ShowScore(const Surface& picture) override;
  void ShowLevel(int level) override;
  void ShowMode(int mode) override;
  void SetMusicSwitch(bool on) override;
  void SetSoundSwitch(bool on) override;
  void AddPictureSet(const std::string& name) override;
  void Close() override;
  void TellFileProblem(FileProblem problem, const std::string& path) override;

  void ConnectWindow();
  bool FrameMayRun() const;
  static bool OwnDialogueOpen();
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool KeyPressed(int key, Qt::KeyboardModifiers modifiers);

  ShellPorts io_;
  std::unique_ptr<FrmMain> frm_;
  std::unique_ptr<GameMenu> menu_;
  std::unique_ptr<LeaderboardHost> ownLeaderboard_;
  QtDescentTimer descentTimer_;
  FrameDriver driver_;
  std::unique_ptr<Session> session_;
};

}  // namespace pelmora
