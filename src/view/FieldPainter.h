#pragma once
// Draws a frame of the play field into a Surface, layer by layer, from the sprite store: the
// drawing half of the frame steps. The rules decide what to draw; this only draws it.

#include <functional>

#include "game/GameState.h"
#include "game/Ports.h"
#include "view/SpriteStore.h"

namespace pelmora {

class FieldPainter final : public FrameDrawing {
 public:
  // `snow` moves and draws the flakes onto the field when the frame asks for snow.
  FieldPainter(const Game& game, const SpriteStore& store, Surface& field, std::function<void(Surface&)> snow);

  void ClearField() override;
  void DrawSnow() override;
  void DrawPieces() override;
  void DrawVanishingPiece(int column, int row, int kind) override;
  void DrawAimGuide(int targetRow, int phase, bool throwing) override;
  void DrawPlayer() override;

 private:
  void DrawPiece(int kind, int x, int y);
  void DrawHandHeap(int x0);

  const Game& game_;
  const SpriteStore& store_;
  Surface& field_;
  std::function<void(Surface&)> snow_;
};

}  // namespace pelmora
