#pragma once
// The small interfaces through which the rules reach the rest of the program. The shell
// implements them with real windows, timers and sound; tests implement them with fakes.

#include <cstdint>
#include <string>
#include <string_view>

#include "game/GameFiles.h"

namespace pelmora {

class CueSink {
 public:
  virtual ~CueSink() = default;
  virtual void PlayCue(std::string_view name) = 0;
};

// The descent timer MapMoveDownTimer: a repeating countdown whose every expiry raises
// Game::DescentDue (the shell wires the tick). Changing the interval restarts the countdown.
class DescentTimer {
 public:
  virtual ~DescentTimer() = default;
  virtual void StartCountdown(int intervalMs) = 0;
  virtual void ChangeInterval(int intervalMs) = 0;
  virtual void StopCountdown() = 0;
  // A paused game: the countdown keeps the time it has left until it is resumed.
  virtual void HoldCountdown() = 0;
  virtual void ResumeCountdown() = 0;
};

// The score picture and the level caption beside the field.
class ScoreView {
 public:
  virtual ~ScoreView() = default;
  virtual void ShowDigits(std::string_view eightDigits) = 0;
  // The level caption "第n关" for `level`; the windows word it in the player's language.
  virtual void ShowLevel(int level) = 0;
};

// The leaderboard's turn when a game is lost. It may run modal dialogues.
class GameOverHandOff {
 public:
  virtual ~GameOverHandOff() = default;
  virtual void EnterPXB(std::int32_t score) = 0;
};

// The steps of a new game that belong to the shell, called by GameRules::NewGame in order.
class NewGameHooks {
 public:
  virtual ~NewGameHooks() = default;
  virtual bool ConfirmRestart() = 0;  // asked only while a game runs; false = keep playing
  virtual void StartMusic() = 0;
  virtual void SetUpSnow() = 0;
  virtual void LoadPictureSet() = 0;
  virtual void RestartLoop() = 0;     // the loop's next frame runs at once
};

// The drawing steps of a frame, in the order RunFrame calls them.
class FrameDrawing {
 public:
  virtual ~FrameDrawing() = default;
  virtual void ClearField() = 0;                                       // background, then field mask
  virtual void DrawSnow() = 0;                                         // moves and draws the flakes
  virtual void DrawPieces() = 0;                                       // rows 0..11
  virtual void DrawVanishingPiece(int column, int row, int kind) = 0;  // one blink
  virtual void DrawAimGuide(int targetRow, int phase, bool throwing) = 0;
  virtual void DrawPlayer() = 0;                                       // with the current PlayerFrame
  virtual void EndFrame() {}  // after the last step: a drawing that lists its sprites composes them
};

}  // namespace pelmora
