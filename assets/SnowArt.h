#pragma once
// The winter set's snow: a strip of eight 19 x 19 flakes (152 x 19, inside the game's
// 152 x 27 flake store), its mask, and the set's "Snow.ini".

#include <QByteArray>

#include "Art.h"

namespace pelmora::assets {

constexpr int kFlakeSize = 19;
constexpr int kFlakes = 8;

SpritePair SnowFlakes(int scale);
// "[Snow]" and its seven keys, ASCII, CR LF line ends, no blank lines.
QByteArray SnowIni();

}  // namespace pelmora::assets
