#pragma once
// The game's geometry (view/Layout.h: cells, the player, the window's controls) as Qt
// rectangles, so that the pictures are drawn exactly where the game puts them.

#include <QRect>

#include "view/Layout.h"

namespace pelmora::assets {

constexpr QRect ToQRect(const layout::Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

}  // namespace pelmora::assets
