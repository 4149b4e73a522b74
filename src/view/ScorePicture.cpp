#include "view/ScorePicture.h"

namespace pelmora {

void PaintScoreDigits(Surface& target, const Surface& digitStrip, std::string_view eightDigits) {
  for (std::size_t k = 0; k < eightDigits.size(); ++k) {
    const char ch = eightDigits[k];
    if (ch < '0' || ch > '9') continue;
    BitBlt(target, kDigitWidth * static_cast<int>(k), 0, kDigitWidth, kDigitHeight, digitStrip,
           kDigitWidth * (ch - '0'), 0, RasterOp::SrcCopy);
  }
}

}  // namespace pelmora
