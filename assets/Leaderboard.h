#pragma once
// "ui/PxbBack.png", 359 x 287: the leaderboard window's background. The title "排行榜" at
// the top, column heads, a light panel with ten 16 px rows from y 72 (the red labels sit at
// x 24, 64, 152 and 248), and a place for the close button at (64, 256), 209 x 25.

#include <QImage>

namespace pelmora::assets {

QImage LeaderboardBackground();

}  // namespace pelmora::assets
