#pragma once
// The board: 51 rows of 10 cells. Rows 0..10 hang in the field, row 11 is the limit row where
// the player stands, and rows 11..50 are the launch rows of a throw.

#include <array>
#include <cstdint>
#include <string_view>

namespace pelmora {

constexpr int kColumns = 10;
constexpr int kRows = 51;
constexpr int kLimitRow = 11;     // a resting piece here loses the game
constexpr int kLastFieldRow = 10; // the lowest row a piece may rest in during play
constexpr int kKinds = 8;
constexpr int kMaxHand = 40;      // the launch rows 11..50 hold at most 40 thrown pieces

enum class CellState : std::uint8_t { Stop, Down, Up };

struct MapCell {
  std::int16_t Kind = 0;  // 0 = empty, 1..8 = a piece kind
  CellState State = CellState::Stop;
  bool operator==(const MapCell&) const = default;
};

// Indexed [row][column].
using MapGrid = std::array<std::array<MapCell, kColumns>, kRows>;

std::string_view ToString(CellState s);

// Scanning rows 10..0 of column upward, the kind of the first resting piece; 0 if none.
std::int16_t GrabKind(const MapGrid& map, int column);
// Scanning rows 50..0 upward, the first row holding a piece; 0 for an empty column.
std::int16_t LowestRow(const MapGrid& map, int column);
// From LowestRow upward, how many consecutive cells hold `kind`; 0 for an empty column.
std::int16_t BottomRunLength(const MapGrid& map, int column, std::int16_t kind);

}  // namespace pelmora
