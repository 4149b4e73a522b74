#pragma once
// The player figure, Pelmo: a round little digger who stands in the limit row under the
// column being played. Every picture is 72 x 72 per frame, four frames side by side.
//
// Geometry the drawing code relies on: the sprite's top-left is at (36 * column - 8, 404),
// so the column's 36 px cell spans sprite x 16..51. Pieces in the hand are drawn over the
// body at sprite (18, 26) for one, (8, 26) and (28, 26) for two, and a third at (18, 16);
// the arms (1Hand / 2Hand) are drawn last, over those pieces.

#include "Art.h"

namespace pelmora::assets {

enum class PlayerAnimation {
  Standing,  // RStar: empty hands, a gentle bob
  Holding,   // RDown: the body behind a heap of pieces (no arms: those come from the hand pictures)
  Lost,      // ROver: slumped and dizzy, stars circling the head
  Refusing,  // RNoDown: shaking the head, arms crossed
};

// The four frames, 288 x 72.
SpritePair PlayerStrip(PlayerAnimation animation);
// The arms holding one piece (1Hand) or a heap (2Hand), 72 x 72.
SpritePair HandsPicture(int pieces);

// One frame of the figure drawn into any painter whose coordinates are the sprite's 72 x 72
// (scale the painter for bigger pictures: the title art and the icons use this).
void DrawPlayer(QPainter& p, PlayerAnimation animation, int frame);
// Pelmo beaming, without arms (add DrawHands and what he holds): for the title pictures and
// the icon, never a game frame.
void DrawPlayerCheerful(QPainter& p);
// The arms alone, in the same coordinates.
void DrawHands(QPainter& p, int pieces);

}  // namespace pelmora::assets
