#pragma once
// The rules of a game: new game and levels, the player's grab and throw, settlement and the
// vanish blink, game over and the board descent. Every operation runs on the UI thread between
// frames (handlers) or as a step of a frame (RunFrame).

#include <cstdint>

#include "game/GameState.h"
#include "game/Ports.h"
#include "game/Random.h"

namespace pelmora {

// What the player presses: the left button (or its key) grabs and throws; the right and the middle
// button (or the grab key) only grab.
enum class MouseButton { Left, Right, Middle };

struct RulesPorts {
  CueSink& cues;
  DescentTimer& timer;
  ScoreView& score;
  GameOverHandOff& gameOver;
  Random& random;
};

class GameRules {
 public:
  GameRules(Game& game, const UserSettings& settings, RulesPorts ports);

  Game& game() { return g_; }
  const Game& game() const { return g_; }

  // The new-game command, start to end. Returns false when the player chose to keep playing.
  bool NewGame(NewGameHooks& hooks);
  void FillMap();
  void ShowScore();

  // The player's input, in board terms: the pointer and the keys both come here. While the player
  // moves freely in a running game (Move, Star), SelectColumn puts him under `column` (0..9) and
  // Press acts on the current column with the grab-and-throw decision table; otherwise both do
  // nothing.
  void SelectColumn(int column);
  void Press(MouseButton button);

  void StartGrab(std::int16_t kind);
  void StepGrab();
  void StartThrow();
  void StepThrow();
  void SettleThrow();
  void StepVanish(FrameDrawing& draw);
  void CheckGameOver();
  void DescendMap();

  // The descent timer's tick: the descent waits for the next frame.
  void DescentTick() { g_.DescentDue = kTrue; }

  // Where the aim arrow goes: the row below the lowest piece of rows 0..11 of the current column
  // (0 for an empty column).
  int AimTargetRow() const;

  // The interval of the descent timer at a level: 20 s, 100 ms less per level, never below 100 ms.
  static int DescentIntervalMs(int level);

  void PlaySoundCue(std::string_view name);

 private:
  bool MovingFreely() const { return g_.Move == MoveState::Move && g_.State == GameState::Star; }
  bool GrabWouldOverfillHand(std::int16_t kind) const;
  void StartVanishEffect(int row);

  Game& g_;
  const UserSettings& settings_;
  RulesPorts io_;
};

}  // namespace pelmora
