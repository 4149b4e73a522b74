#pragma once
// The player figure, Pelmo: a round little digger who stands in the limit row under the
// column being played. Every picture is layout::kPlayerSize square per frame, four frames
// side by side.
//
// Geometry the drawing code relies on (view/Layout.h): the sprite stands at
// layout::PlayerLeft(column), so the column's cell spans sprite x 16..51 and the figure reaches
// 16 px left and 20 px right of it. Pieces in the hand are drawn over the body at the points
// below; the arms (1Hand / 2Hand) are drawn last, over those pieces.

#include "Art.h"
#include "Geometry.h"

namespace pelmora::assets {

// The hand's offsets count from the column's span kCell * column, which starts here.
constexpr double kColumnInSprite = -layout::PlayerLeft(0);
constexpr double kHandRowInSprite = layout::kHandPieceY - layout::kPlayerTop;
// One piece (18, 26); two side by side (8, 26) and (28, 26); a third on top of them (18, 16).
constexpr QPointF kHandOne(kColumnInSprite + layout::kHandCentreX, kHandRowInSprite);
constexpr QPointF kHandLeft(kColumnInSprite, kHandRowInSprite);
constexpr QPointF kHandRight(kColumnInSprite + layout::kHandSecondX, kHandRowInSprite);
constexpr QPointF kHandTop(kColumnInSprite + layout::kHandCentreX, layout::kHandTopPieceY - layout::kPlayerTop);

enum class PlayerAnimation {
  Standing,  // RStar: empty hands, a gentle bob
  Holding,   // RDown: the body behind a heap of pieces (no arms: those come from the hand pictures)
  Lost,      // ROver: slumped and dizzy, stars circling the head
  Refusing,  // RNoDown: shaking the head, arms crossed
};

// The four frames side by side.
SpritePair PlayerStrip(PlayerAnimation animation, int scale);
// The arms holding one piece (1Hand) or a heap (2Hand), one frame.
SpritePair HandsPicture(int pieces, int scale);

// One frame of the figure drawn into any painter whose coordinates are the sprite's
// (scale the painter for bigger pictures: the title art and the icons use this).
void DrawPlayer(QPainter& p, PlayerAnimation animation, int frame);
// Pelmo beaming, without arms (add DrawHands and what he holds): for the title pictures and
// the icon, never a game frame.
void DrawPlayerCheerful(QPainter& p);
// Pelmo asleep on his feet, eyes shut and ears down: for the pause picture.
void DrawPlayerDozing(QPainter& p);
// The arms alone, in the same coordinates.
void DrawHands(QPainter& p, int pieces);

}  // namespace pelmora::assets
