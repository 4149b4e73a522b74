#pragma once
// "ui/Pause.png": what the field shows instead of the board while a game is paused, at the
// field's size. Opaque everywhere, so nothing of the board shows through, and calm: a quiet
// sky, a panel reading "暂停" (or "Paused") with how to go on, and Pelmo dozing below.

#include <QImage>

#include "Art.h"

namespace pelmora::assets {

QImage PausePicture(int scale, Language language);

}  // namespace pelmora::assets
