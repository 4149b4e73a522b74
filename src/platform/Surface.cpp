#include "platform/Surface.h"

#include <algorithm>

namespace pelmora {

Surface::Surface(int w, int h, std::uint32_t fill)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

namespace {

// Shrinks a copy so that it lies inside [0, limit) on both the source and the destination axis.
bool ClipAxis(int& d, int& s, int& len, int destLimit, int srcLimit) {
  if (d < 0) { s -= d; len += d; d = 0; }
  if (s < 0) { d -= s; len += s; s = 0; }
  len = std::min({len, destLimit - d, srcLimit - s});
  return len > 0;
}

template <typename Combine>
void Blend(Surface& dest, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Combine combine) {
  for (int row = 0; row < h; ++row) {
    // Source and destination are different pictures; saying so lets the compiler vectorise.
    std::uint32_t* __restrict out = dest.row(dy + row) + dx;
    const std::uint32_t* __restrict in = src.row(sy + row) + sx;
    for (int col = 0; col < w; ++col) out[col] = combine(out[col], in[col]);
  }
}

}  // namespace

void BitBlt(Surface& dest, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, RasterOp op) {
  if (!ClipAxis(dx, sx, w, dest.width, src.width) || !ClipAxis(dy, sy, h, dest.height, src.height)) return;
  switch (op) {
    case RasterOp::SrcCopy:
      for (int row = 0; row < h; ++row)
        std::copy_n(src.row(sy + row) + sx, w, dest.row(dy + row) + dx);
      break;
    case RasterOp::SrcAnd:
      Blend(dest, dx, dy, w, h, src, sx, sy, [](std::uint32_t d, std::uint32_t s) { return d & s; });
      break;
    case RasterOp::SrcPaint:
      Blend(dest, dx, dy, w, h, src, sx, sy, [](std::uint32_t d, std::uint32_t s) { return d | s; });
      break;
  }
}

void MaskedDraw(Surface& dest, int dx, int dy, int w, int h, const Surface& sprite, const Surface& mask,
                int sx, int sy) {
  // A mask of another size than its sprite clips the two passes differently: they go one by one.
  if (mask.width != sprite.width || mask.height != sprite.height) {
    BitBlt(dest, dx, dy, w, h, mask, sx, sy, RasterOp::SrcAnd);
    BitBlt(dest, dx, dy, w, h, sprite, sx, sy, RasterOp::SrcPaint);
    return;
  }
  // Otherwise both in one pass over the destination, which is most of a frame's drawing.
  if (!ClipAxis(dx, sx, w, dest.width, sprite.width) || !ClipAxis(dy, sy, h, dest.height, sprite.height)) return;
  for (int row = 0; row < h; ++row) {
    std::uint32_t* __restrict out = dest.row(dy + row) + dx;
    const std::uint32_t* __restrict m = mask.row(sy + row) + sx;
    const std::uint32_t* __restrict in = sprite.row(sy + row) + sx;
    for (int col = 0; col < w; ++col) out[col] = (out[col] & m[col]) | in[col];
  }
}

}  // namespace pelmora
