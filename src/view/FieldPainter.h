#pragma once
// Draws a frame of the play field into a Surface, layer by layer, from the sprite store: the
// drawing half of the frame steps. The rules decide what to draw; this only draws it.
//
// It draws at the store's scale: the field is then that many times the field's size, and every
// place and size of the geometry is multiplied by the scale, so a sprite of a 2x frame lands at
// twice its 1x place with the same raster operations.

#include <functional>

#include "game/GameState.h"
#include "game/Ports.h"
#include "view/SpriteStore.h"

namespace pelmora {

class FieldPainter final : public FrameDrawing {
 public:
  // `snow` moves and draws the flakes onto the field when the frame asks for snow. `field` is
  // kFieldWidth x kFieldHeight times the store's scale.
  FieldPainter(const Game& game, const SpriteStore& store, Surface& field, std::function<void(Surface&)> snow);

  void ClearField() override;
  void DrawSnow() override;
  void DrawPieces() override;
  void DrawVanishingPiece(int column, int row, int kind) override;
  void DrawAimGuide(int targetRow, int phase, bool throwing) override;
  void DrawPlayer() override;

 private:
  // A masked draw with every number in pixels at scale 1.
  void Draw(int dx, int dy, int w, int h, const Surface& sprite, const Surface& mask, int sx, int sy);
  void DrawPiece(int kind, int x, int y);
  void DrawHandHeap(int x0);

  const Game& game_;
  const SpriteStore& store_;
  Surface& field_;
  std::function<void(Surface&)> snow_;
};

}  // namespace pelmora
