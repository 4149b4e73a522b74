#pragma once
// "ui/GameOver.png": what the field shows once a game is lost, at the field's size, in the
// pause picture's style but at dusk: a panel reading "游戏结束" with how to play again (F2 or
// the new-game button), and Pelmo dizzy on the ground below. The score and the level stay in
// view beside it, outside the field.

#include <QImage>

#include "Art.h"

namespace pelmora::assets {

QImage GameOverPicture(int scale, Language language);

}  // namespace pelmora::assets
