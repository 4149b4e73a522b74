#pragma once
// The score display beside the field: eight digits copied from the digit strip.

#include <string_view>

#include "platform/Surface.h"

namespace pelmora {

// Copies the tile of each digit of `eightDigits` from `digitStrip` (digit d at x = d times the digit width)
// to the k-th digit's place of `target`. Characters other than digits are skipped. At `scale` 2 the
// strip, the target and every tile are twice the size.
void PaintScoreDigits(Surface& target, const Surface& digitStrip, std::string_view eightDigits, int scale = 1);

}  // namespace pelmora
