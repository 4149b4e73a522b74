#include "view/ControlPanel.h"

namespace pelmora {

std::array<std::uint32_t, kModes> ModeLabelColours(int mode) {
  constexpr std::array<std::uint32_t, kModes> chosen{Rgb(128, 128, 255), Rgb(0, 128, 0), Rgb(255, 0, 0),
                                                     Rgb(255, 128, 0)};
  std::array<std::uint32_t, kModes> colours{kBlack, kBlack, kBlack, kBlack};
  if (mode >= 1 && mode <= kModes) colours[mode - 1] = chosen[mode - 1];
  return colours;
}

std::array<bool, 3> HighlightedButtons(int pointerOver) {
  std::array<bool, 3> lit{};
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i) lit[i] = static_cast<int>(kCommandButtons[i]) == pointerOver;
  return lit;
}

}  // namespace pelmora
