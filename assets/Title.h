#pragma once
// "images/GameMap.JPG": the field before the first game, a welcome picture with the title,
// a few pieces hanging from the top, Pelmo, and how to begin: "点击「新游戏」开始".

#include <QImage>

#include "Art.h"

namespace pelmora::assets {

QImage TitleField(int scale, Language language);  // the field's size

}  // namespace pelmora::assets
