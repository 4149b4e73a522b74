#include "game/Board.h"

namespace pelmora {

std::string_view ToString(CellState s) {
  switch (s) {
    case CellState::Stop: return "Stop";
    case CellState::Down: return "Down";
    case CellState::Up: return "Up";
  }
  return "Stop";
}

std::int16_t GrabKind(const MapGrid& map, int column) {
  for (int r = kLastFieldRow; r >= 0; --r) {
    const MapCell& cell = map[r][column];
    if (cell.State == CellState::Stop && cell.Kind != 0) return cell.Kind;
  }
  return 0;
}

std::int16_t LowestRow(const MapGrid& map, int column) {
  for (int r = kRows - 1; r >= 0; --r)
    if (map[r][column].Kind != 0) return static_cast<std::int16_t>(r);
  return 0;
}

std::int16_t BottomRunLength(const MapGrid& map, int column, std::int16_t kind) {
  std::int16_t n = 0;
  for (int r = LowestRow(map, column); r >= 0 && map[r][column].Kind == kind && kind != 0; --r) ++n;
  return n;
}

}  // namespace pelmora
