#pragma once
// The piece sheets of the picture sets: one column of cells, kind k in the cell at
// layout::PieceSheetY(k), eight kinds; with their masks.

#include "Art.h"

namespace pelmora::assets {

enum class PieceStyle {
  Gems,    // faceted jewels
  Garden,  // soft fruit-drop sweets with a leaf and a little flower print
  Winter,  // glossy baubles with a frost rim and a snowflake
};

SpritePair PieceSheet(PieceStyle style, int scale);

// One piece drawn at its natural size (one cell) at (x, y) of a painter: used for the title art,
// icons and the window decoration, so every picture shows the very same pieces.
void DrawPiece(QPainter& p, PieceStyle style, int kind, QPointF topLeft, double scale = 1.0);

}  // namespace pelmora::assets
