#pragma once
// A picture in memory: 32-bit pixels 0x00RRGGBB, row by row. Every picture store of the game
// is a Surface, and the play field is composed into one before it is shown.

#include <cstdint>
#include <vector>

namespace pelmora {

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Surface() = default;
  Surface(int w, int h, std::uint32_t fill = 0);

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const std::uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
  std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
};

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r & 0xFF) << 16) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
         static_cast<std::uint32_t>(b & 0xFF);
}
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

// The three raster operations of the game's drawing, with their classic codes.
enum class RasterOp : std::uint32_t {
  SrcCopy = 0x00CC0020,   // dest = src
  SrcAnd = 0x008800C6,    // dest &= src  (the mask pass)
  SrcPaint = 0x00EE0086,  // dest |= src  (the sprite pass)
};

// Copies the w x h rectangle at (sx, sy) of src onto dest at (dx, dy) with op. The rectangle is
// clipped against both pictures, so parts outside either are simply not drawn (the player at
// column 0 starts 8 px left of the field). Source and destination may not be the same Surface.
void BitBlt(Surface& dest, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, RasterOp op);

// The two-pass masked draw: the mask ANDed, then the sprite ORed onto the same rectangle (done in
// one pass when the two are of one size, with the same pixels as a result).
void MaskedDraw(Surface& dest, int dx, int dy, int w, int h, const Surface& sprite, const Surface& mask,
                int sx, int sy);

}  // namespace pelmora
