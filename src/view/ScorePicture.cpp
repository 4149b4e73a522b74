#include "view/ScorePicture.h"

#include "view/Layout.h"

namespace pelmora {

void PaintScoreDigits(Surface& target, const Surface& digitStrip, std::string_view eightDigits) {
  for (std::size_t k = 0; k < eightDigits.size(); ++k) {
    const char ch = eightDigits[k];
    if (ch < '0' || ch > '9') continue;
    BitBlt(target, layout::kDigitWidth * static_cast<int>(k), 0, layout::kDigitWidth, layout::kDigitHeight, digitStrip,
           layout::kDigitWidth * (ch - '0'), 0, RasterOp::SrcCopy);
  }
}

}  // namespace pelmora
