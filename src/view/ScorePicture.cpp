#include "view/ScorePicture.h"

#include "view/Layout.h"

namespace pelmora {

void PaintScoreDigits(Surface& target, const Surface& digitStrip, std::string_view eightDigits, int scale) {
  const int w = layout::kDigitWidth * scale;
  const int h = layout::kDigitHeight * scale;
  for (std::size_t k = 0; k < eightDigits.size(); ++k) {
    const char ch = eightDigits[k];
    if (ch < '0' || ch > '9') continue;
    BitBlt(target, w * static_cast<int>(k), 0, w, h, digitStrip, w * (ch - '0'), 0, RasterOp::SrcCopy);
  }
}

}  // namespace pelmora
