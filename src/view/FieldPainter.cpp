#include "view/FieldPainter.h"

#include <algorithm>

namespace pelmora {

FieldPainter::FieldPainter(const Game& game, const SpriteStore& store, Surface& field,
                           std::function<void(Surface&)> snow)
    : game_(game), store_(store), field_(field), snow_(std::move(snow)) {}

void FieldPainter::ClearField() {
  const Surface& back = store_.GameMap;
  // A background smaller than the field (a picture set of the wrong size) must not leave the
  // previous frame showing around it.
  if (back.width < field_.width || back.height < field_.height)
    std::fill(field_.pixels.begin(), field_.pixels.end(), kBlack);
  BitBlt(field_, 0, 0, field_.width, field_.height, back, 0, 0, RasterOp::SrcCopy);
  BitBlt(field_, 0, 0, field_.width, field_.height, store_.GameMapM, 0, 0, RasterOp::SrcAnd);
}

void FieldPainter::DrawSnow() {
  if (snow_) snow_(field_);
}

void FieldPainter::DrawPiece(int kind, int x, int y) {
  MaskedDraw(field_, x, y, kCell, kCell, store_.GameImages, store_.GameImagesM, 0, (kind - 1) * kCell);
}

void FieldPainter::DrawPieces() {
  for (int r = 0; r <= kLimitRow; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      const int kind = game_.Map[r][c].Kind;
      if (kind == 0) continue;
      // The column under the player is raised by 2 px, so the player sees which one is chosen.
      const int top = (c == game_.CurColumn ? 6 : kFieldOrigin) + kCell * r;
      DrawPiece(kind, kFieldOrigin + kCell * c, top);
    }
  }
}

void FieldPainter::DrawVanishingPiece(int column, int row, int kind) {
  DrawPiece(kind, kFieldOrigin + kCell * column, kFieldOrigin + kCell * row);
}

void FieldPainter::DrawAimGuide(int targetRow, int phase, bool throwing) {
  const auto& arrow = throwing ? store_.JTUp : store_.JTDown;
  const int x = kFieldOrigin + kCell * game_.CurColumn;
  const int picture = phase == 1 ? 1 : 2;
  MaskedDraw(field_, x, kFieldOrigin + kCell * targetRow, kCell, kCell, arrow[picture], arrow[0], 0, 0);
  // Two 8 px dashes per row; the other phase shifts them 9 px down, so the line flickers in place.
  const int first = phase == 1 ? 8 : 17;
  for (int d = targetRow + 1; d <= kLastFieldRow; ++d) {
    for (int offset : {first, first + 18})
      MaskedDraw(field_, x, offset + kCell * d, kCell, 8, store_.Line, store_.LineM, 0, 0);
  }
}

void FieldPainter::DrawHandHeap(int x0) {
  const int count = game_.HandCount;
  const int column = kCell * game_.CurColumn;
  if (count == 1) {
    DrawPiece(game_.HandKind, column + 10, 430);
    MaskedDraw(field_, x0, kPlayerTop, 72, 72, store_.Hand1, store_.Hand1M, 0, 0);
    return;
  }
  DrawPiece(game_.HandKind, column, 430);
  DrawPiece(game_.HandKind, column + 20, 430);
  if (count >= 3) DrawPiece(game_.HandKind, column + 10, 420);
  MaskedDraw(field_, x0, kPlayerTop, 72, 72, store_.Hand2, store_.Hand2M, 0, 0);
}

void FieldPainter::DrawPlayer() {
  const int x0 = kCell * game_.CurColumn - 8;
  const int sx = 72 * std::clamp<int>(game_.PlayerFrame, 0, 3);
  auto body = [&](const Surface& sheet, const Surface& mask) {
    MaskedDraw(field_, x0, kPlayerTop, 72, 72, sheet, mask, sx, 0);
  };
  switch (game_.State) {
    case GameState::Star:
      if (game_.HandCount == 0) {
        body(store_.RStar, store_.RStarM);
      } else {
        body(store_.RDown, store_.RDownM);
        DrawHandHeap(x0);
      }
      break;
    case GameState::Over:
      body(store_.ROver, store_.ROverM);
      break;
    case GameState::Pause:
    case GameState::NoDown:
      body(store_.RNoDown, store_.RNoDownM);
      break;
    case GameState::NoStar:
      break;
  }
}

}  // namespace pelmora
