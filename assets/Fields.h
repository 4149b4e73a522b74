#pragma once
// The play field's pictures, all the size of the inside of the field box: the background of
// each picture set, the title picture shown before the first game, and the field mask that
// every frame ANDs over the background.
//
// The board covers ten columns and twelve rows of cells (x 8..367, y 8..439); the player
// stands in the limit row, the twelfth, y 404..439, and reaches down to y 475.

#include "Art.h"
#include "Geometry.h"
#include "Pieces.h"

namespace pelmora::assets {

constexpr int kFieldW = layout::kFieldWidth;
constexpr int kFieldH = layout::kFieldHeight;
constexpr int kLimitTop = layout::kPlayerTop;
constexpr int kLimitBottom = kLimitTop + layout::kCell - 1;
constexpr int kGroundY = 468;  // where the player's feet rest
constexpr QRectF kField(0, 0, kFieldW, kFieldH);

QImage FieldBackground(PieceStyle style, int scale);

// "images/GameMapM.JPG", grey. The game ANDs it over every frame, bit by bit, so only values
// close to white (soft shading) or close to black (marks) behave well: a mid grey would cut
// arbitrary bits. The vignette stays within 242..255, which can darken by at most 15 whatever
// the JPEG noise; the limit row is marked with solid black dashes and arrows.
QImage FieldMask(int scale);

// The mark of the limit row that each background carries, so that the mask's dark marks
// have a light line to sit on even on the darkest background.
void DrawLimitBand(QPainter& p, QColor tint);

}  // namespace pelmora::assets
