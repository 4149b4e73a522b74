// Pause and the keys of the field: the player's controls beside the pointer.
#include "shell/Session.h"

namespace pelmora {

bool Session::Running() const {
  return game_.State == GameState::Star || game_.State == GameState::NoDown;
}

void Session::TogglePause() {
  if (paused_) {
    Resume();
  } else {
    PauseIfRunning();
  }
}

void Session::PauseIfRunning() {
  if (!paused_ && Running()) Pause();
}

void Session::Pause() {
  paused_ = true;
  io_.loop.Stop();
  io_.timer.HoldCountdown();
  music_.Hold();
  io_.view.ShowField(pausePicture_);
}

// The loop starts over, so the board is back at once and the next frames keep their pace.
void Session::Resume() {
  paused_ = false;
  io_.timer.ResumeCountdown();
  music_.Resume();
  io_.loop.Restart();
}

// The field while no frame draws it: the pause picture in a paused game, the game-over picture
// after a lost one (without it, the last frame), else the background.
void Session::ShowIdleField() {
  if (paused_) {
    io_.view.ShowField(pausePicture_);
  } else if (io_.loop.Running()) {
    return;
  } else if (game_.State == GameState::Over) {
    io_.view.ShowField(gameOverPicture_ ? *gameOverPicture_ : field_);
  } else {
    io_.view.ShowField(store_.GameMap);
  }
}

void Session::MoveColumnBy(int step) {
  if (!paused_) rules_.SelectColumn(game_.CurColumn + step);
}

void Session::KeyPress(MouseButton button) {
  if (!paused_) rules_.Press(button);
}

}  // namespace pelmora
