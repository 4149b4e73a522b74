#pragma once
// Boards as small ASCII pictures, one string per row from row 0 down, ten characters each:
//   .      empty
//   1..8   a resting piece of that kind
//   a..h   a piece of kind 1..8 falling into the hand (State Down)
//   A..H   a piece of kind 1..8 flying up (State Up)
// Rows not given are empty.

#include <initializer_list>
#include <string>
#include <vector>

#include "game/Board.h"

namespace pelmora::testing {

inline MapCell CellFromChar(char ch) {
  if (ch >= '1' && ch <= '8') return {static_cast<std::int16_t>(ch - '0'), CellState::Stop};
  if (ch >= 'a' && ch <= 'h') return {static_cast<std::int16_t>(ch - 'a' + 1), CellState::Down};
  if (ch >= 'A' && ch <= 'H') return {static_cast<std::int16_t>(ch - 'A' + 1), CellState::Up};
  return {};
}

inline char CharFromCell(const MapCell& cell) {
  if (cell.Kind == 0) return '.';
  switch (cell.State) {
    case CellState::Stop: return static_cast<char>('0' + cell.Kind);
    case CellState::Down: return static_cast<char>('a' + cell.Kind - 1);
    case CellState::Up: return static_cast<char>('A' + cell.Kind - 1);
  }
  return '?';
}

inline MapGrid Board(std::initializer_list<const char*> rows) {
  MapGrid map{};
  int r = 0;
  for (const char* row : rows) {
    for (int c = 0; c < kColumns && row[c] != '\0'; ++c) map[r][c] = CellFromChar(row[c]);
    ++r;
  }
  return map;
}

// Rows 0..last as strings, for comparing with an expected picture.
inline std::vector<std::string> Rows(const MapGrid& map, int last) {
  std::vector<std::string> out;
  for (int r = 0; r <= last; ++r) {
    std::string line;
    for (int c = 0; c < kColumns; ++c) line += CharFromCell(map[r][c]);
    out.push_back(line);
  }
  return out;
}

inline std::vector<std::string> Picture(std::initializer_list<const char*> rows) {
  return std::vector<std::string>(rows.begin(), rows.end());
}

}  // namespace pelmora::testing
