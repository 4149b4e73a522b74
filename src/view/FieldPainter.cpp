#include "view/FieldPainter.h"

#include <algorithm>
#include <tuple>

#include "view/Layout.h"

namespace pelmora {

using namespace layout;

FieldPainter::FieldPainter(const Game& game, const SpriteStore& store, Surface& field, SnowStep snow)
    : game_(game), store_(store), field_(field), snow_(std::move(snow)) {}

void FieldPainter::ClearField() {
  // Only a frame composed to its end, in the same pictures and size, can be drawn over.
  comparable_ = ended_ && loads_ == store_.Loads && width_ == field_.width && height_ == field_.height;
  ended_ = false;
  drawnBefore_.swap(drawn_);
  drawn_.clear();
  loads_ = store_.Loads;
  width_ = field_.width;
  height_ = field_.height;
}

// A flake is a sprite of the snow's strip. Every flake falls each frame, so none is ever taken
// for unchanged, whatever strip it comes from.
void FieldPainter::DrawSnow() {
  const Snow* snow = snow_ ? snow_() : nullptr;
  if (snow == nullptr) return;
  for (int i = 1, last = FlakesInUse(*snow); i <= last; ++i) {
    const FlakeSprite flake = FlakeAt(*snow, i);
    drawn_.push_back({flake.at, &snow->PicSnow, &snow->PicSnowM, flake.sx, 0});
  }
}

void FieldPainter::Draw(int dx, int dy, int w, int h, const Surface& sprite, const Surface& mask, int sx, int sy) {
  const int k = store_.scale;
  drawn_.push_back({{k * dx, k * dy, k * w, k * h}, &sprite, &mask, k * sx, k * sy});
}

namespace {

// The smallest part of the w x h picture at the top left of `sprite` outside which its masked
// draw leaves every pixel as it was (the mask white, the sprite black): a dash of the guide is a
// few pixels wide in a cell-wide picture, and only those pixels need composing again.
Rect InkBox(const Surface& sprite, const Surface& mask, int w, int h) {
  w = std::min({w, sprite.width, mask.width});
  h = std::min({h, sprite.height, mask.height});
  int left = w, top = h, right = 0, bottom = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((mask.at(x, y) & kWhite) != kWhite || (sprite.at(x, y) & kWhite) != 0) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
      }
  return left < right ? Rect{left, top, right - left, bottom - top} : Rect{};
}

}  // namespace

void FieldPainter::DrawDash(int x, int y) {
  const int k = store_.scale;
  if (dashInkLoads_ != store_.Loads || dashInkScale_ != k) {
    dashInk_ = InkBox(store_.Line, store_.LineM, k * kCell, k * kDashHeight);
    dashInkLoads_ = store_.Loads;
    dashInkScale_ = k;
  }
  if (dashInk_.w == 0) return;
  drawn_.push_back({{k * x + dashInk_.x, k * y + dashInk_.y, dashInk_.w, dashInk_.h}, &store_.Line, &store_.LineM,
                    dashInk_.x, dashInk_.y});
}

void FieldPainter::DrawPiece(int kind, int x, int y) {
  Draw(x, y, kCell, kCell, store_.GameImages, store_.GameImagesM, 0, PieceSheetY(kind));
}

void FieldPainter::DrawPieces() {
  for (int r = 0; r <= kLimitRow; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      const int kind = game_.Map[r][c].Kind;
      if (kind == 0) continue;
      // The column under the player is raised, so the player sees which one is chosen.
      DrawPiece(kind, CellX(c), CellY(r) - (c == game_.CurColumn ? kRaise : 0));
    }
  }
}

void FieldPainter::DrawVanishingPiece(int column, int row, int kind) {
  DrawPiece(kind, CellX(column), CellY(row));
}

void FieldPainter::DrawAimGuide(int targetRow, int phase, bool throwing) {
  const auto& arrow = throwing ? store_.JTUp : store_.JTDown;
  const int x = CellX(game_.CurColumn);
  const int picture = phase == 1 ? 1 : 2;
  Draw(x, CellY(targetRow), kCell, kCell, arrow[picture], arrow[0], 0, 0);
  // Two dashes per row; the other phase shifts them half a period down, so the line flickers in
  // place rather than travelling.
  const int first = kDashOffset[phase == 1 ? 0 : 1];
  for (int d = targetRow + 1; d <= kLastFieldRow; ++d) {
    for (int offset : {first, first + kDashPeriod}) DrawDash(x, offset + kCell * d);
  }
}

void FieldPainter::DrawHandHeap(int x0) {
  const int count = game_.HandCount;
  const int column = kCell * game_.CurColumn;
  if (count == 1) {
    DrawPiece(game_.HandKind, column + kHandCentreX, kHandPieceY);
    Draw(x0, kPlayerTop, kPlayerSize, kPlayerSize, store_.Hand1, store_.Hand1M, 0, 0);
    return;
  }
  DrawPiece(game_.HandKind, column, kHandPieceY);
  DrawPiece(game_.HandKind, column + kHandSecondX, kHandPieceY);
  if (count >= 3) DrawPiece(game_.HandKind, column + kHandCentreX, kHandTopPieceY);
  Draw(x0, kPlayerTop, kPlayerSize, kPlayerSize, store_.Hand2, store_.Hand2M, 0, 0);
}

void FieldPainter::DrawPlayer() {
  const int x0 = PlayerLeft(game_.CurColumn);
  const int sx = kPlayerSize * std::clamp<int>(game_.PlayerFrame, 0, kPlayerFrames - 1);
  auto body = [&](const Surface& sheet, const Surface& mask) {
    Draw(x0, kPlayerTop, kPlayerSize, kPlayerSize, sheet, mask, sx, 0);
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

void FieldPainter::EndFrame() {
  FindChanges();
  for (const Rect& area : changes_) ComposeWithin(area);
  ended_ = true;
}

// Sprites drawn alike at the same place in the order of both frames leave the same pixels, given
// the same background: what differs lies under the sprites that differ, one frame or the other.
void FieldPainter::FindChanges() {
  changes_.clear();
  const Rect whole{0, 0, field_.width, field_.height};
  if (!comparable_) {
    changes_.push_back(whole);
    return;
  }
  auto add = [&](const Rect& r) {
    const int x = std::max(r.x, 0), y = std::max(r.y, 0);
    const Rect clipped{x, y, std::min(r.right(), whole.w) - x, std::min(r.bottom(), whole.h) - y};
    if (clipped.w > 0 && clipped.h > 0) changes_.push_back(clipped);
  };
  const std::size_t n = std::max(drawn_.size(), drawnBefore_.size());
  for (std::size_t i = 0; i < n; ++i) {
    const Sprite* now = i < drawn_.size() ? &drawn_[i] : nullptr;
    const Sprite* before = i < drawnBefore_.size() ? &drawnBefore_[i] : nullptr;
    if (now && before && *now == *before) continue;
    if (now) add(now->to);
    if (before) add(before->to);
  }
  // A sprite that changed only its picture (the player's steps) names its place twice.
  std::sort(changes_.begin(), changes_.end(), [](const Rect& a, const Rect& b) {
    return std::tie(a.y, a.x, a.w, a.h) < std::tie(b.y, b.x, b.w, b.h);
  });
  changes_.erase(std::unique(changes_.begin(), changes_.end()), changes_.end());
}

// Each sprite is drawn only where it meets `area`, from the same place of its sheet as a whole
// draw would: areas that overlap are each composed whole, so the order of the layers holds.
void FieldPainter::ComposeWithin(const Rect& area) {
  PutBackground(area);
  for (const Sprite& s : drawn_) {
    const int x = std::max(s.to.x, area.x), y = std::max(s.to.y, area.y);
    const int right = std::min(s.to.right(), area.right()), bottom = std::min(s.to.bottom(), area.bottom());
    if (x >= right || y >= bottom) continue;
    MaskedDraw(field_, x, y, right - x, bottom - y, *s.sheet, *s.mask, s.sx + x - s.to.x, s.sy + y - s.to.y);
  }
}

void FieldPainter::PutBackground(const Rect& area) {
  const Surface& masked = store_.MaskedMap;
  if (masked.width >= field_.width && masked.height >= field_.height) {
    BitBlt(field_, area.x, area.y, area.w, area.h, masked, area.x, area.y, RasterOp::SrcCopy);
    return;
  }
  const Surface& back = store_.GameMap;
  // A background smaller than the field (a picture set of the wrong size) must not leave the
  // frame before showing around it.
  if (back.width < field_.width || back.height < field_.height)
    for (int y = area.y; y < area.bottom(); ++y) std::fill_n(field_.row(y) + area.x, area.w, kBlack);
  BitBlt(field_, area.x, area.y, area.w, area.h, back, area.x, area.y, RasterOp::SrcCopy);
  BitBlt(field_, area.x, area.y, area.w, area.h, store_.GameMapM, area.x, area.y, RasterOp::SrcAnd);
}

}  // namespace pelmora
