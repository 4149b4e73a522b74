#pragma once
// Draws a frame of the play field into a Surface, layer by layer, from the sprite store: the
// drawing half of the frame steps. The rules decide what to draw; this only draws it.
//
// It draws at the store's scale: the field is then that many times the field's size, and every
// place and size of the geometry is multiplied by the scale, so a sprite of a 2x frame lands at
// twice its 1x place with the same raster operations.

#include <functional>
#include <vector>

#include "game/GameState.h"
#include "game/Ports.h"
#include "view/Layout.h"
#include "view/Snow.h"
#include "view/SpriteStore.h"

namespace pelmora {

class FieldPainter final : public FrameDrawing {
 public:
  // The field must hold nothing but what the painter composed there: the next frame is composed
  // over it, only where it differs.
  //
  // `snow` moves the flakes one frame when the frame asks for snow and returns them to be drawn.
  // `field` is kFieldWidth x kFieldHeight times the store's scale.
  using SnowStep = std::function<const Snow*()>;
  FieldPainter(const Game& game, const SpriteStore& store, Surface& field, SnowStep snow);

  // The drawing steps list the frame's sprites in their order; EndFrame composes them.
  void ClearField() override;
  void DrawSnow() override;
  void DrawPieces() override;
  void DrawVanishingPiece(int column, int row, int kind) override;
  void DrawAimGuide(int targetRow, int phase, bool throwing) override;
  void DrawPlayer() override;
  // Composes the frame listed since ClearField into the field: the background, then the sprites
  // in order, but only within Changes(); elsewhere the field holds the frame before already.
  void EndFrame() override;

  // Where the frame ended last may differ from the frame before it, in pixels of the field: the
  // places of the sprites drawn differently, so that a window need show only those again. The
  // whole field when there is no frame before it to compare with: the first frame, and a frame
  // after the store has loaded pictures or the field has changed size.
  const std::vector<layout::Rect>& Changes() const { return changes_; }

 private:
  // One masked draw of the frame.
  struct Sprite {
    layout::Rect to;
    const Surface* sheet;
    const Surface* mask;
    int sx, sy;
    bool operator==(const Sprite&) const = default;
  };

  // A masked draw with every number in pixels at scale 1.
  void Draw(int dx, int dy, int w, int h, const Surface& sprite, const Surface& mask, int sx, int sy);
  void DrawPiece(int kind, int x, int y);
  void DrawDash(int x, int y);  // one dash of the guide line, its cell at (x, y)
  void DrawHandHeap(int x0);
  void FindChanges();
  // The background, then every sprite of the frame, within `area` of the field.
  void ComposeWithin(const layout::Rect& area);
  void PutBackground(const layout::Rect& area);

  const Game& game_;
  const SpriteStore& store_;
  Surface& field_;
  SnowStep snow_;
  std::vector<Sprite> drawn_;        // this frame's sprites, in the order drawn
  std::vector<Sprite> drawnBefore_;  // the frame before's
  std::vector<layout::Rect> changes_;
  bool comparable_ = false;          // the field holds the frame before, composed from drawnBefore_
  bool ended_ = false;               // the frame listed last was composed
  int loads_ = -1;                   // the store's loads and the field's size at the frame before
  int width_ = 0, height_ = 0;
  layout::Rect dashInk_;  // the part of the dash picture that draws, for the store's loads and scale
  int dashInkLoads_ = -1, dashInkScale_ = 0;
};

}  // namespace pelmora
