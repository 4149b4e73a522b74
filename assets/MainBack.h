#pragma once
// The main window's background, covering the whole client area. The controls sit on it at
// their places in view/Layout.h, and the background frames each control: the play field gets
// a frame, the score a bezel, the mode caption a dark strip (its text is pink), the mode
// labels a light card (their text is black and coloured), the check boxes a green strip
// matching their own background.

#include <QImage>

namespace pelmora::assets {

QImage MainBackground(int scale);

}  // namespace pelmora::assets
