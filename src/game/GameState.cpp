#include "game/GameState.h"

namespace pelmora {

std::string_view ToString(MoveState s) {
  switch (s) {
    case MoveState::None: return "";
    case MoveState::Move: return "Move";
    case MoveState::Down: return "Down";
    case MoveState::Up: return "Up";
  }
  return "";
}

std::string_view ToString(GameState s) {
  switch (s) {
    case GameState::NoStar: return "NoStar";
    case GameState::Star: return "Star";
    case GameState::NoDown: return "NoDown";
    case GameState::Over: return "Over";
    case GameState::Pause: return "Pause";
  }
  return "";
}

}  // namespace pelmora
