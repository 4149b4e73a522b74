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

unsigned Byte(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

// Past the entropy-coded data of a scan that starts at `i`: at the next marker, that is an FF
// followed by neither a stuffed 00 nor a restart marker D0..D7.
std::size_t SkipScan(std::string_view b, std::size_t i) {
  while (i + 1 < b.size()) {
    const unsigned next = Byte(b, i + 1);
    if (Byte(b, i) == 0xFF && next != 0x00 && (next < 0xD0 || next > 0xD7)) return i;
    ++i;
  }
  return b.size();
}

bool IsWholeJpeg(std::string_view b) {
  std::size_t i = 2;  // after the start marker FF D8
  while (i + 1 < b.size()) {
    if (Byte(b, i) != 0xFF) return false;
    const unsigned marker = Byte(b, i + 1);
    if (marker == 0xD9) return true;
    if (marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += marker == 0xFF ? 1 : 2;  // a fill byte, or a marker without a segment
      continue;
    }
    if (i + 4 > b.size()) return false;
    i += 2 + (Byte(b, i + 2) << 8 | Byte(b, i + 3));
    if (marker == 0xDA) i = SkipScan(b, i);
  }
  return false;
}

bool IsWholePng(std::string_view b) {
  std::size_t i = 8;  // after the signature
  while (i + 8 <= b.size()) {
    const std::size_t length = std::size_t{Byte(b, i)} << 24 | Byte(b, i + 1) << 16 | Byte(b, i + 2) << 8 | Byte(b, i + 3);
    const std::size_t end = i + 12 + length;  // length, type, data, CRC
    if (end > b.size() || end < i) return false;
    if (b.substr(i + 4, 4) == "IEND") return true;
    i = end;
  }
  return false;
}

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

bool IsWholePicture(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xD8")) return IsWholeJpeg(bytes);
  if (bytes.starts_with("\x89PNG\r\n\x1A\n")) return IsWholePng(bytes);
  return true;
}

}  // namespace pelmora
