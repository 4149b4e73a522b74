#pragma once
// The window icon at several sizes, and the game's mouse pointer. Both keep their alpha
// channel (PNG).

#include <QImage>

namespace pelmora::assets {

QImage IconPicture(int size);
// layout::kCursorSize square, the tip of the pointer at the hot spot (layout::kCursorHotX,
// kCursorHotY); at scale 2 twice the size, the hot spot at twice those coordinates.
QImage CursorPicture(int scale);
// The question mark of the game's message boxes, 32 x 32 (64 x 64 at scale 2), drawn for each
// scale so that it stays sharp.
QImage QuestionPicture(int scale);

}  // namespace pelmora::assets
