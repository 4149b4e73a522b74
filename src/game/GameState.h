#pragma once
// The shared state of one game, owned by the application and passed by reference. Booleans
// are 16-bit with -1 for true and 0 for false; the rules test for exactly -1.

#include <array>
#include <cstdint>
#include <string_view>

#include "game/Board.h"

namespace pelmora {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// What the player is doing. None is the empty state before the first game.
enum class MoveState : std::uint8_t { None, Move, Down, Up };
// The game as a whole.
enum class GameState : std::uint8_t { NoStar, Star, NoDown, Over, Pause };

std::string_view ToString(MoveState s);
std::string_view ToString(GameState s);

// One blinking removed piece. A free slot is all zeros.
struct VanishEffect {
  std::int16_t Column = 0;
  std::int16_t Row = 0;
  std::int16_t DrawPending = 0;  // -1: draw on the next frame; 0: skip it
  std::int16_t Kind = 0;
  std::int16_t Active = 0;       // -1: slot in use
  std::int16_t BlinkCount = 0;   // drawings so far; freed after the third
  bool operator==(const VanishEffect&) const = default;
};
constexpr int kVanishSlots = 51;

struct Game {
  MapGrid Map{};
  std::int16_t HandKind = 0;
  std::int16_t HandCount = 0;
  std::int16_t CurColumn = 0;
  std::int32_t Score = 0;
  std::int16_t Level = 0;
  std::int16_t PlayerFrame = 0;  // 0..3, shared by every four-frame animation
  std::int16_t ArrowPhase = 0;   // 1 or 2 once the arrow has been drawn
  std::int16_t DescentDue = 0;   // raised by the descent timer, consumed by the next frame
  std::int16_t SnowShow = 0;     // snow is drawn in this game
  std::array<VanishEffect, kVanishSlots> VanishEffects{};
  MoveState Move = MoveState::None;
  GameState State = GameState::NoStar;
};

// The difficulty modes 1..4: how many rows the new board starts with.
constexpr int kModes = 4;

// The user's settings that the rules read; the settings file stores them.
struct UserSettings {
  std::int16_t MediaON = 0;
  std::int16_t MediaMax = 50;
  std::int16_t SoundON = 0;
  std::int16_t SoundMax = 50;
  std::int16_t GameMode = 1;  // 1..4
  std::int16_t GameMain = 1;  // index of the current picture set
};

}  // namespace pelmora
