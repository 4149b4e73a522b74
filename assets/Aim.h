#pragma once
// The aim guide: the arrow in the first free cell under the current column (yellow "grab",
// pointing down; mint "throw", pointing up) and one dash of the dashed line that runs from it
// down to the player.

#include "Art.h"

namespace pelmora::assets {

struct ArrowPictures {
  QImage mask;    // index 0: shared by both phases, so both have the same silhouette
  QImage phase1;  // index 1
  QImage phase2;  // index 2: brighter, its chevrons moved on in the arrow's direction
};

ArrowPictures GrabArrow(int scale);   // JTDown0..2, one cell
ArrowPictures ThrowArrow(int scale);  // JTUp0..2, one cell
SpritePair GuideDash(int scale);      // Line / LineM, one cell wide, a dash high: a short vertical dash in the middle

}  // namespace pelmora::assets
