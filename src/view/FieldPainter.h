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
#include "view/SpriteStore.h"

namespace pelmora {

class FieldPainter final : public FrameDrawing {
 public:
  // The field must hold nothing but what the painter drew there since its last ClearField: the
  // next one puts the background back only under the sprites drawn.
  //
  // `snow` moves and draws the flakes onto the field when the frame asks for snow, and adds the
  // place of each flake it drew to its second argument. `field` is kFieldWidth x kFieldHeight
  // times the store's scale.
  using SnowDrawing = std::function<void(Surface&, std::vector<layout::Rect>&)>;
  FieldPainter(const Game& game, const SpriteStore& store, Surface& field, SnowDrawing snow);

  void ClearField() override;
  void DrawSnow() override;
  void DrawPieces() override;
  void DrawVanishingPiece(int column, int row, int kind) override;
  void DrawAimGuide(int targetRow, int phase, bool throwing) override;
  void DrawPlayer() override;

  // Where the frame drawn since the last ClearField may differ from the frame before it, in
  // pixels of the field: the places of the sprites drawn differently, so that a window need show
  // only those again. Flakes of snow move every frame: the places of this frame's and the frame
  // before's are all changes. The whole field when there is no frame before it to compare with:
  // the first frame, and a frame after the store has loaded pictures or the field has changed size.
  std::vector<layout::Rect> Changes() const;

 private:
  // One masked draw as it reached the field; a flake of snow has no sheet of ours.
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
  void DrawHandHeap(int x0);

  const Game& game_;
  const SpriteStore& store_;
  Surface& field_;
  SnowDrawing snow_;
  std::vector<layout::Rect> flakes_;  // where the snow drew its flakes, this frame
  std::vector<Sprite> drawn_;        // this frame's sprites, in the order drawn
  std::vector<Sprite> drawnBefore_;  // the frame before's
  bool comparable_ = false;          // the frame before was drawn whole by the sprites listed
  int loads_ = -1;                   // the store's loads and the field's size at the frame before
  int width_ = 0, height_ = 0;
};

}  // namespace pelmora
