#pragma once
// "ui/PxbBack.png": the leaderboard window's background. The title "排行榜" ("Leaderboard") at the top, column
// heads, a light panel with the ten rows where the red labels sit, and a place for the close
// button (all at their places in view/Layout.h).

#include <QImage>

#include "Art.h"

namespace pelmora::assets {

QImage LeaderboardBackground(int scale, Language language);

}  // namespace pelmora::assets
