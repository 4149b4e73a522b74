#pragma once
// The control panel's pictures: the three picture buttons with their highlighted looks, and
// the four pictures of the mode slider. Each is drawn over the piece of the main window's
// background that it covers, so it is opaque and still sits seamlessly on the window; it is
// drawn at the scale of the background it is given.

#include <QImage>
#include <QString>

#include "Art.h"

namespace pelmora::assets {

enum class ButtonKind { NewGame, Exit, Menu };

// 159 x 47; hover = the highlighted look (brighter, glowing rim); the caption in language.
QImage ButtonPicture(const QImage& background, ButtonKind kind, bool hover, Language language);
// 39 x 90, the knob at position 1..4 (centres at y 11, 34, 57, 79, matching the click zones).
QImage SliderPicture(const QImage& background, int position);

constexpr int kKnobCentre[4] = {11, 34, 57, 79};

}  // namespace pelmora::assets
