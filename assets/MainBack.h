#pragma once
// The main window's background (650 x 551) and the places of the controls that sit on it.
// The background frames each control: the play field gets a frame, the score a bezel, the
// mode caption a dark strip (its text is pink), the mode labels a light card (their text is
// black and coloured), the check boxes a green strip matching their own background.

#include <QImage>
#include <QRect>

namespace pelmora::assets {

namespace layout {
constexpr QRect kField(35, 24, 378, 482);
constexpr QRect kLevel(504, 48, 53, 20);
constexpr QRect kScore(473, 75, 122, 27);
constexpr QRect kNewGame(456, 128, 159, 47);
constexpr QRect kExit(456, 187, 159, 47);
constexpr QRect kMenu(456, 304, 159, 47);
constexpr QRect kModeCaption(464, 392, 17, 73);
constexpr QRect kSlider(488, 384, 39, 90);
constexpr QRect kModeLabels(536, 384, 80, 84);  // four labels of about 72 x 12, 24 px apart
constexpr QRect kMusicCheck(472, 480, 49, 17);
constexpr QRect kSoundCheck(552, 480, 49, 17);
}  // namespace layout

QImage MainBackground();

}  // namespace pelmora::assets
