#pragma once
// "images/Long.JPG", 279 x 278: the splash picture shown while the game loads.

#include <QImage>

namespace pelmora::assets {

QImage SplashPicture();

}  // namespace pelmora::assets
