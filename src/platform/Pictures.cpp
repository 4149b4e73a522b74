#include "platform/Pictures.h"

#include <algorithm>

namespace pelmora {

void CleanMask(Surface& mask) {
  for (auto& p : mask.pixels) {
    const unsigned sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    p = sum >= 3 * 128 ? kWhite : kBlack;
  }
}

void BlackenUnderWhite(Surface& sheet, const Surface& mask) {
  const int w = std::min(sheet.width, mask.width);
  const int h = std::min(sheet.height, mask.height);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (mask.at(x, y) == kWhite) sheet.at(x, y) = kBlack;
}

}  // namespace pelmora
