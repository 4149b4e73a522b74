#pragma once
// The score display: amber seven-segment digits on a dark glass.

#include <QImage>

namespace pelmora::assets {

// "images/Number1.JPG": the ten digits side by side, digit d at x = layout::kDigitWidth * d.
QImage DigitStrip(int scale);
// "ui/ScoreStart.png", the score box before the first game: eight dashes. The game later
// copies eight digits over its top left (x 0..119, y 0..24); the rest keeps this picture, so
// it is the same glass colour.
QImage ScoreStart(int scale);

}  // namespace pelmora::assets
