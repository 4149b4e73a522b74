#pragma once
// The logic of the control panel beside the field: the difficulty selector's zones and colours,
// and which command button shows its highlighted picture.

#include <array>
#include <cstdint>

#include "game/GameState.h"
#include "platform/Surface.h"

namespace pelmora {

// The slider is 1350 twips (90 px) high; a press or a drag at height y (twips, 15 per pixel)
// chooses the mode of its quarter. The quarters are cut to whole twips: 337, 675, 1012.
constexpr int ModeOfSliderY(int yTwips) {
  return yTwips <= 337 ? 1 : yTwips <= 675 ? 2 : yTwips <= 1012 ? 3 : 4;
}
constexpr int kTwipsPerPixel = 15;

// Text colours of the four mode labels when `mode` is chosen: the chosen one in its own colour,
// the others black.
std::array<std::uint32_t, kModes> ModeLabelColours(int mode);

// The command buttons ComBox(1), ComBox(2) and ComBox(4) of the control panel, by their index.
enum class Command { NewGame = 1, Exit = 2, Menu = 4 };
// In their fixed order, top to bottom.
constexpr std::array<Command, 3> kCommandButtons{Command::NewGame, Command::Exit, Command::Menu};
// For a pointer over button `index` (1, 2 or 4), or over the bare background (0): which of the
// three buttons show their highlighted picture.
std::array<bool, 3> HighlightedButtons(int pointerOver);

}  // namespace pelmora
