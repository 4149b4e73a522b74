#pragma once
// The game as a whole, without its windows: it owns the shared state of the game, the picture
// stores and the leaderboard table, runs start-up, the commands of the control panel and the
// game menu, the frames and the shutdown, and gives the rules their score display, sound and
// leaderboard. It shows and asks through ports, so it runs the same under Qt and in tests.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/Snow.h"
#include "game/Rules.h"
#include "leaderboard/EnterPxb.h"
#include "platform/Language.h"
#include "platform/Audio.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/GameFolders.h"
#include "platform/Pictures.h"
#include "shell/Music.h"
#include "shell/SessionPorts.h"
#include "shell/StartupSettings.h"
#include "view/FieldPainter.h"

namespace pelmora {

// The desktop's means, as the program hands them to the shell and the shell to the session.
struct DesktopPorts {
  Dialogs& dialogs;
  CueSink& cues;
  MusicPlayer& music;
  ShellOpener& opener;
  PictureLoader& pictures;
  Random& random;
  std::function<void()> endProcess;  // ends the process at once, after the settings are saved
};

// What the session needs besides: the windows and clocks of the shell around it.
struct SessionPorts : DesktopPorts {
  MainView& view;
  FrameLoop& loop;
  DescentTimer& timer;  // MapMoveDownTimer; its ticks come back through DescentTimerTick
  LeaderboardHost& leaderboard;
};

class Session final : NewGameHooks, ScoreView, GameOverHandOff {
 public:
  // `folders`: the game folder with its pictures, sounds, music and picture sets, and where the
  // player's settings, scores and music are.
  Session(GameFolders folders, SessionPorts ports);
  ~Session() override;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The start-up of the main window. False when the game cannot run (a fixed picture is missing);
  // the player has been told which file, and the window must not be shown.
  bool StartUp();

  // The scale the field and the score are drawn at: 1, or 2 for a screen with more pixels than
  // the game's geometry (layout::DeviceScale). Set before StartUp, and again whenever the window
  // reaches a screen of another scale: the pictures are then loaded again for it and the field
  // and the score shown anew. When a picture cannot be read for the new scale, the old one stays.
  void SetDeviceScale(int scale);
  int deviceScale() const { return store_.scale; }

  // The commands of the control panel and the game menu.
  void NewGameCommand();
  void ExitCommand();  // asks; on OK closes the main window, whose closing runs Shutdown
  void SelectGameMode(int mode);
  void ChoosePictureSet(int index);  // 1-based
  void ShowHelp();
  void ShowLeaderboard();
  void OpenWebPage();
  void ShowAbout();
  // The player chose `language` from the menu, and the windows speak it already: the choice is
  // stored as "Language" in "UserSet" of the player's settings, and the fixed pictures (the
  // field's title picture among them), the pause picture and the score box's first picture are
  // read again in it. The game and the board are untouched.
  void LanguageChosen(Language language);

  // What the window reports: the pointer on the play field (x in pixels of its drawing area),
  // the two switches, the descent timer's tick.
  void PointerMoved(double x);
  void PointerPressed(MouseButton button, double x);
  void MusicSwitchChanged(bool on);
  void SoundSwitchChanged(bool on);
  void DescentTimerTick();

  // The keys of the field: the chosen column one to the left (-1) or right (+1), exactly as the
  // pointer would choose it, and the two presses (left: throw or grab; right: grab or collect).
  void MoveColumnBy(int step);
  void KeyPress(MouseButton button);

  // Pause. A running game (begun, not lost) pauses and resumes; a click on the paused field or a
  // new game (after its question) resumes it too. While paused no frame runs, the descent
  // countdown keeps the time it had left, the music holds where it is, and the field shows the
  // pause picture instead of the board, so a pause cannot be used to plan. Nothing of it is saved.
  void TogglePause();
  // The window lost the focus to another program or was minimised: a running game pauses, and
  // resumes only when the player asks.
  void PauseIfRunning();
  bool Paused() const { return paused_; }

  // The main window is closing: no frame runs any more, the six settings are saved (the player
  // is told when they cannot be) and the process ends.
  void Shutdown();

  // One frame of the loop: the frame's steps, then the composed field is shown. The frame that
  // ends a game is shown before the leaderboard asks anything; after its dialogues the game-over
  // picture lies over the field, and the loop rests, until a new game starts.
  void RunOneFrame();
  // False while paused, and once the shutdown has begun.
  bool FramesMayRun() const { return !paused_ && game_.State != GameState::Pause; }

  Game& game() { return game_; }
  UserSettings& settings() { return settings_; }
  const std::vector<PictureSet>& pictureSets() const { return sets_; }
  const SpriteStore& sprites() const { return store_; }
  Music& music() { return music_; }
  PXBList& leaderboard() { return pxb_; }

 private:
  // The session's steps of a new game.
  bool ConfirmRestart() override;
  void StartMusic() override;
  void SetUpSnow() override;
  void LoadPictureSet() override;
  void RestartLoop() override;
  // The score picture and the level caption.
  void ShowDigits(std::string_view eightDigits) override;
  void ShowLevel(int level) override;
  // The leaderboard's turn at game over.
  void EnterPXB(std::int32_t score) override;

  bool Running() const;
  void Pause();
  void Resume();
  void ShowIdleField();
  void HandOverLostGame();
  bool LoadFixedPicturesOrTell();
  void LoadStartScore();
  void RepaintScore();
  void LoadCoverPictures();
  bool EnsureAPictureSetLoaded();
  // `message` names the set (%1) and the file that failed (%2).
  bool LoadSetOrTell(const PictureSet& set, const char* message);
  void LoadCurrentPictureSet();
  void LoadSnowForCurrentSet();
  const PictureSet* CurrentSet() const;

  GameFolders where_;
  SessionPorts io_;
  Game game_;
  UserSettings settings_;
  std::vector<PictureSet> sets_;
  SpriteStore store_;
  Surface field_;
  Surface score_;
  std::string scoreDigits_;  // what the score picture shows; empty: its start picture
  Snow snow_;
  PXBList pxb_{};
  bool settingsKept_ = false;  // the settings file is no text: it is never written
  bool setLoaded_ = false;  // some picture set's pieces and background are in the store
  bool paused_ = false;
  Surface pausePicture_;    // shown on the field while paused
  std::optional<Surface> gameOverPicture_;  // shown on the field after a lost game
  std::optional<std::int32_t> lostScore_;   // a lost game's score, until its frame is shown
  Music music_;
  GameRules rules_;
  FieldPainter painter_;
};

}  // namespace pelmora
