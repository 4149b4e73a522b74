#pragma once
// The window icon at several sizes, and the game's mouse pointer. Both keep their alpha
// channel (PNG).

#include <QImage>

namespace pelmora::assets {

QImage IconPicture(int size);
// 32 x 32, the tip of the pointer (the hot spot) at (5, 0).
QImage CursorPicture();

}  // namespace pelmora::assets
