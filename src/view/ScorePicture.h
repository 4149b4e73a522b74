#pragma once
// The score display beside the field: eight digits copied from the digit strip.

#include <string_view>

#include "platform/Surface.h"

namespace pelmora {

constexpr int kDigitWidth = 15;
constexpr int kDigitHeight = 25;

// Copies the tile of each digit of `eightDigits` from `digitStrip` (digit d at x = 15 d) to
// x = 15 (k - 1) of `target`. Characters other than digits are skipped.
void PaintScoreDigits(Surface& target, const Surface& digitStrip, std::string_view eightDigits);

}  // namespace pelmora
