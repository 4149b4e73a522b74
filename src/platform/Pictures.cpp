#include "platform/Pictures.h"

#include <algorithm>

#include "platform/Paths.h"

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

namespace {

// One channel of a 9:3:3:1 blend, rounded to nearest.
std::uint32_t Blend(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, int shift) {
  const std::uint32_t sum = 9 * ((a >> shift) & 0xFF) + 3 * ((b >> shift) & 0xFF) + 3 * ((c >> shift) & 0xFF) +
                            ((d >> shift) & 0xFF);
  return ((sum + 8) / 16) << shift;
}

}  // namespace

Surface Magnified2x(const Surface& picture) {
  Surface out(picture.width * 2, picture.height * 2);
  const int w = picture.width, h = picture.height;
  for (int y = 0; y < out.height; ++y) {
    // The centre of new row y lies a quarter of an old row above or below old row y / 2; the
    // nearer old row weighs 3, the farther 1.
    const int near = y / 2;
    const int far = std::clamp(y % 2 == 0 ? near - 1 : near + 1, 0, h - 1);
    for (int x = 0; x < out.width; ++x) {
      const int nx = x / 2;
      const int fx = std::clamp(x % 2 == 0 ? nx - 1 : nx + 1, 0, w - 1);
      const std::uint32_t a = picture.at(nx, near), b = picture.at(fx, near), c = picture.at(nx, far),
                          d = picture.at(fx, far);
      out.at(x, y) = Blend(a, b, c, d, 16) | Blend(a, b, c, d, 8) | Blend(a, b, c, d, 0);
    }
  }
  return out;
}

std::string ScaledName(const std::string& name, int scale) {
  if (scale < 2) return name;
  const std::size_t dot = name.rfind('.');
  const std::size_t folder = name.find_last_of("/\\");
  if (dot == std::string::npos || (folder != std::string::npos && dot < folder)) return name + "@2x";
  return name.substr(0, dot) + "@2x" + name.substr(dot);
}

std::optional<Surface> LoadForScale(PictureLoader& loader, const std::string& folder, const std::string& name,
                                    int scale) {
  if (scale >= 2) {
    std::optional<Surface> sharp = loader.Load(GamePath(folder, ScaledName(name, 2)));
    if (sharp && !sharp->empty()) return sharp;
  }
  std::optional<Surface> picture = loader.Load(GamePath(folder, name));
  if (!picture || picture->empty()) return std::nullopt;
  if (scale >= 2) return Magnified2x(*picture);
  return picture;
}

}  // namespace pelmora
