// The snow overlay: reading a picture set's snow settings, scattering the flakes, and one frame
// of drift, fall and drawing.
#include "view/Snow.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <optional>

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "game/GameFiles.h"

namespace pelmora {

namespace {

constexpr char kSection[] = "Snow";

std::int16_t Clamp16(int v) {
  return static_cast<std::int16_t>(
      std::clamp<int>(v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

Surface Cut(const Surface& picture, int w, int h) {
  Surface out(w, h);
  BitBlt(out, 0, 0, w, h, picture, 0, 0, RasterOp::SrcCopy);
  return out;
}

struct FlakeStrip {
  Surface sheet;
  Surface mask;
};

// Both pictures cut to the store and to each other, so that the mask covers every pixel the
// strip can paint; the mask made pure black and white and the strip black around the flakes.
std::optional<FlakeStrip> LoadStrip(const std::string& setFolder, PictureLoader& loader, int scale) {
  std::optional<Surface> sheet = LoadForScale(loader, setFolder, "Snow.JPG", scale);
  std::optional<Surface> mask = LoadForScale(loader, setFolder, "SnowM.JPG", scale);
  if (!sheet || !mask) return std::nullopt;
  const int w = std::min({kSnowStoreWidth * scale, sheet->width, mask->width});
  const int h = std::min({kSnowStoreHeight * scale, sheet->height, mask->height});
  FlakeStrip strip{Cut(*sheet, w, h), Cut(*mask, w, h)};
  CleanMask(strip.mask);
  BlackenUnderWhite(strip.sheet, strip.mask);
  return strip;
}

struct SnowSettings {
  std::int16_t sum, width, height, pics, xm, ym;
};

// The six keys in their historic order; stops at the first that is not a whole number, so a
// broken file costs the player one message rather than six.
std::optional<SnowSettings> ReadSettings(const std::string& ini, Dialogs& dialogs) {
  static constexpr std::array<const char*, 6> kKeys = {"SnowSum", "SnowPicWith", "SnowPicHeight",
                                                       "SnowPicsum", "XM", "YM"};
  std::array<std::int16_t, 6> v{};
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    const std::optional<std::int16_t> n = ParseIniInt(GetIniValue(ini, kSection, kKeys[i], dialogs));
    if (!n) return std::nullopt;
    v[i] = *n;
  }
  return SnowSettings{v[0], v[1], v[2], v[3], v[4], v[5]};
}

// Keeps hostile values to what a player would take for snow: every flake falls and comes back,
// X cannot leave 16 bits before its flake restarts, and no flake is picked beyond the strip
// (`stripWidth` in pixels at scale 1).
SnowSettings Bounded(SnowSettings s, int stripWidth) {
  s.sum = std::clamp<std::int16_t>(s.sum, 0, kMaxSnowFlakes);
  s.width = std::clamp<std::int16_t>(s.width, 1, kSnowStoreWidth);
  s.height = std::clamp<std::int16_t>(s.height, 1, kSnowStoreHeight);
  const int flakesInStrip = std::max(1, (stripWidth + s.width - 1) / s.width);
  s.pics = static_cast<std::int16_t>(std::clamp<int>(s.pics, 1, flakesInStrip));
  s.ym = std::clamp<std::int16_t>(s.ym, 1, kSnowFieldHeight);
  // A flake drifts at most once per frame of its fall, which lasts ceil(480 / YM) frames.
  const int framesPerFall = (kSnowFieldHeight + s.ym - 1) / s.ym;
  const int maxStep = (std::numeric_limits<std::int16_t>::max() - kSnowFieldWidth) / framesPerFall;
  s.xm = static_cast<std::int16_t>(std::clamp<int>(s.xm, -maxStep, maxStep));
  return s;
}

void Scatter(Snow& snow, Random& random) {
  snow.SnowFlakes.assign(static_cast<std::size_t>(snow.SnowSum) + 1, SnowFlake{});
  for (int i = 1; i <= snow.SnowSum; ++i) {
    SnowFlake& f = snow.SnowFlakes[static_cast<std::size_t>(i)];
    f.X = static_cast<std::int16_t>(random.Between1And(kSnowFieldWidth));
    f.Y = static_cast<std::int16_t>(random.Between1And(kSnowFieldHeight) - 1);
    f.Pic = static_cast<std::int16_t>(random.Between1And(snow.SnowPicsum));
  }
}

bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void LoadSnow(Snow& snow, std::int16_t& snowShow, const std::string& setFolder, Dialogs& dialogs,
              PictureLoader& loader, Random& random, int scale) {
  const std::string ini = GamePath(setFolder, files::kSnowSettings);
  snowShow = 0;
  if (!IsFile(ini)) return;
  const std::int16_t show = ParseIniBool(GetIniValue(ini, kSection, "SnowShow", dialogs)).value_or(0);
  if (show == 0) return;

  std::optional<FlakeStrip> strip = LoadStrip(setFolder, loader, scale);
  if (!strip) return;
  const std::optional<SnowSettings> read = ReadSettings(ini, dialogs);
  if (!read) return;

  const SnowSettings s = Bounded(*read, strip->sheet.width / scale);
  snow.SnowSum = s.sum;
  snow.SnowPicWith = s.width;
  snow.SnowPicHeight = s.height;
  snow.SnowPicsum = s.pics;
  snow.XM = s.xm;
  snow.YM = s.ym;
  snow.PicSnow = std::move(strip->sheet);
  snow.PicSnowM = std::move(strip->mask);
  snow.scale = scale;
  Scatter(snow, random);
  snowShow = show;
}

bool LoadSnowStrip(Snow& snow, const std::string& setFolder, PictureLoader& loader, int scale) {
  std::optional<FlakeStrip> strip = LoadStrip(setFolder, loader, scale);
  if (!strip) return false;
  snow.PicSnow = std::move(strip->sheet);
  snow.PicSnowM = std::move(strip->mask);
  snow.scale = scale;
  return true;
}

int FlakesInUse(const Snow& snow) {
  // The flakes array is trusted only as far as it reaches.
  return std::max(0, std::min<int>(snow.SnowSum, static_cast<int>(snow.SnowFlakes.size()) - 1));
}

void MoveSnow(Snow& snow, Random& random) {
  const int last = FlakesInUse(snow);
  for (int i = 1; i <= last; ++i) {
    SnowFlake& f = snow.SnowFlakes[static_cast<std::size_t>(i)];
    // Four chances in ten to the left, six to the right: the snow slowly drifts right.
    f.X = Clamp16(random.Between1And(10) < 5 ? f.X - snow.XM : f.X + snow.XM);
    f.Y = Clamp16(f.Y + snow.YM);
    if (f.Y >= kSnowFieldHeight) {
      f.X = static_cast<std::int16_t>(random.Between1And(kSnowFieldWidth));
      f.Y = 0;
      f.Pic = static_cast<std::int16_t>(random.Between1And(snow.SnowPicsum));
    }
  }
}

FlakeSprite FlakeAt(const Snow& snow, int i) {
  const SnowFlake& f = snow.SnowFlakes[static_cast<std::size_t>(i)];
  const int k = snow.scale;
  return {{k * f.X, k * f.Y, k * snow.SnowPicWith, k * snow.SnowPicHeight}, k * (f.Pic - 1) * snow.SnowPicWith};
}

void DrawSnow(Snow& snow, Random& random, Surface& field) {
  MoveSnow(snow, random);
  for (int i = 1, last = FlakesInUse(snow); i <= last; ++i) {
    const FlakeSprite flake = FlakeAt(snow, i);
    MaskedDraw(field, flake.at.x, flake.at.y, flake.at.w, flake.at.h, snow.PicSnow, snow.PicSnowM, flake.sx, 0);
  }
}

}  // namespace pelmora
