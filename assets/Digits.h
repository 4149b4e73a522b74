#pragma once
// The score display: amber seven-segment digits on a dark glass.

#include <QImage>

namespace pelmora::assets {

constexpr int kDigitW = 15;
constexpr int kDigitH = 25;

// "images/Number1.JPG", 150 x 25: digit d at x = 15 * d.
QImage DigitStrip();
// "ui/ScoreStart.png", 122 x 27: the score box before the first game, eight dashes. The game
// later copies eight digits over x 0..119, y 0..24; the rest keeps this picture, so it is
// the same glass colour.
QImage ScoreStart();

}  // namespace pelmora::assets
