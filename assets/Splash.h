#pragma once
// "images/Long.JPG", the size of the splash window: the splash picture shown while the game loads.

#include <QImage>

namespace pelmora::assets {

QImage SplashPicture(int scale);

}  // namespace pelmora::assets
