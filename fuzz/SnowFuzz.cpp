// A picture set's Snow.ini, as whoever made the set wrote it.
//
// Input: the file's bytes. The flake strip and its mask come from a stand-in loader whose small
// pictures (their sizes, and now and then a missing one) are derived from the input.
//
// Oracles:
//  - reading shows at most one box (a broken file costs one message, not six);
//  - a file the settings model (IniModel.h) reads as snow switched off leaves it off; one that
//    it reads as on with every value whole and within what the field and the strip can show
//    loads those values exactly as written;
//  - snow that stays off leaves the snow as it was; snow that comes on has every value within
//    what the field and the strip can show, the strip and its mask cut to the store and to each
//    other, the mask pure black and white, and the strip black wherever the mask is white;
//  - over a whole fall (up to 300 frames) every flake stays on the field's rows, shows a flake
//    of the strip, and drifts no further sideways than its fall allows, within 16 bits.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "IniModel.h"
#include "view/Snow.h"
#include "game/GameState.h"
#include "platform/Random.h"
#include "platform/TextCodec.h"

namespace pelmora::fuzz {
namespace {

// Strips of a few flakes, some wider or taller than the store, with a grey-fringed mask.
class StripLoader final : public PictureLoader {
 public:
  explicit StripLoader(std::uint64_t h) : h_(h) {}
  std::optional<Surface> Load(const std::string& path) override {
    const bool mask = path.ends_with("SnowM.JPG");
    FUZZ_CHECK(mask || path.ends_with("Snow.JPG"), "asked for another picture: " + path);
    if ((h_ >> (mask ? 40 : 44) & 0xF) == 0) return std::nullopt;
    const int w = static_cast<int>(h_ % 200) + (mask ? static_cast<int>(h_ >> 16 & 3) : 0);
    const int h = static_cast<int>(h_ >> 8 & 0x1F) + (mask ? static_cast<int>(h_ >> 18 & 3) : 0);
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        s.at(x, y) = mask ? ((x + y) % 3 == 0 ? kWhite : (x % 5 == 0 ? 0x808080 : kBlack)) : Rgb(x * 7, y * 9, 0xF0);
    return s;
  }
  // The width and height both pictures share once cut to the store; 0 when one is missing.
  int Width() const { return Present() ? std::min(static_cast<int>(h_ % 200), kSnowStoreWidth) : 0; }
  int Height() const { return Present() ? std::min(static_cast<int>(h_ >> 8 & 0x1F), kSnowStoreHeight) : 0; }

 private:
  bool Present() const { return (h_ >> 40 & 0xF) != 0 && (h_ >> 44 & 0xF) != 0; }
  std::uint64_t h_;
};

Snow Sentinel() {
  Snow s;
  s.SnowSum = 3;
  s.SnowPicWith = 5;
  s.SnowFlakes.assign(4, SnowFlake{7, 8, 1});
  return s;
}

bool SameSnow(const Snow& a, const Snow& b) {
  if (a.SnowSum != b.SnowSum || a.SnowPicWith != b.SnowPicWith || a.SnowPicHeight != b.SnowPicHeight ||
      a.SnowPicsum != b.SnowPicsum || a.XM != b.XM || a.YM != b.YM || a.SnowFlakes.size() != b.SnowFlakes.size())
    return false;
  for (std::size_t i = 0; i < a.SnowFlakes.size(); ++i)
    if (a.SnowFlakes[i].X != b.SnowFlakes[i].X || a.SnowFlakes[i].Y != b.SnowFlakes[i].Y ||
        a.SnowFlakes[i].Pic != b.SnowFlakes[i].Pic)
      return false;
  return a.PicSnow.pixels == b.PicSnow.pixels && a.PicSnowM.pixels == b.PicSnowM.pixels;
}

// The six values as written, in the order of the fields of Snow.
constexpr std::array<std::string_view, 6> kSnowKeys = {"SnowSum", "SnowPicWith", "SnowPicHeight",
                                                       "SnowPicsum", "XM", "YM"};

// What the model reads: the switch, and the six values when all are whole 16-bit numbers.
struct SnowModel {
  std::optional<std::int16_t> show;
  std::optional<std::array<int, 6>> values;
};

SnowModel ReadSnowModel(const std::string& text) {
  SnowModel m;
  const ModelRead show = ReadModel(text, "Snow", "SnowShow");
  if (show.outcome != ModelRead::Outcome::Value) return m;
  m.show = ModelBool(show.value);
  std::array<int, 6> values{};
  for (std::size_t k = 0; k < kSnowKeys.size(); ++k) {
    const ModelRead read = ReadModel(text, "Snow", kSnowKeys[k]);
    const std::optional<std::int16_t> n = read.outcome == ModelRead::Outcome::Value ? ModelInt(read.value) : std::nullopt;
    if (!n) return m;
    values[k] = *n;
  }
  m.values = values;
  return m;
}

// Whether the values fit the field and a strip of `width` x `height`: every flake back at the
// top within a fall that keeps X in 16 bits.
bool InRange(const std::array<int, 6>& v, int width, int height) {
  const auto [sum, w, h, pics, xm, ym] = v;
  if (width < 1 || height < 1 || sum < 0 || sum > kMaxSnowFlakes || w < 1 || w > kSnowStoreWidth || h < 1 ||
      h > kSnowStoreHeight || ym < 1 || ym > kSnowFieldHeight)
    return false;
  const int frames = (kSnowFieldHeight + ym - 1) / ym;
  return pics >= 1 && pics <= (width + w - 1) / w &&
         kSnowFieldWidth + (frames - 1) * std::abs(xm) <= std::numeric_limits<std::int16_t>::max();
}

void CheckModel(const std::string& bytes, const StripLoader& loader, const Snow& s, std::int16_t show) {
  const std::string text = DecodeSettingsText(bytes);
  if (!ModelReadsLines(text)) return;
  const SnowModel m = ReadSnowModel(text);
  if (m.show == 0) FUZZ_CHECK(show == 0, "SnowShow reads as off, the snow came on");
  if (!m.show || *m.show == 0 || !m.values || !InRange(*m.values, loader.Width(), loader.Height())) return;
  const std::array<int, 6> loaded = {s.SnowSum, s.SnowPicWith, s.SnowPicHeight, s.SnowPicsum, s.XM, s.YM};
  FUZZ_CHECK(show == kTrue, "snow with values in range stayed off");
  for (std::size_t k = 0; k < kSnowKeys.size(); ++k)
    FUZZ_CHECK(loaded[k] == (*m.values)[k], std::string(kSnowKeys[k]) + " written " + std::to_string((*m.values)[k]) +
                                                 ", loaded " + std::to_string(loaded[k]));
}

void CheckLoaded(const Snow& s) {
  FUZZ_CHECK(s.SnowSum >= 0 && s.SnowSum <= kMaxSnowFlakes, "SnowSum " + std::to_string(s.SnowSum));
  FUZZ_CHECK(s.SnowPicWith >= 1 && s.SnowPicWith <= kSnowStoreWidth, "SnowPicWith " + std::to_string(s.SnowPicWith));
  FUZZ_CHECK(s.SnowPicHeight >= 1 && s.SnowPicHeight <= kSnowStoreHeight,
             "SnowPicHeight " + std::to_string(s.SnowPicHeight));
  FUZZ_CHECK(s.YM >= 1 && s.YM <= kSnowFieldHeight, "YM " + std::to_string(s.YM));
  const Surface& sheet = s.PicSnow;
  const Surface& mask = s.PicSnowM;
  FUZZ_CHECK(!sheet.empty() && sheet.width == mask.width && sheet.height == mask.height &&
                 sheet.width <= kSnowStoreWidth && sheet.height <= kSnowStoreHeight,
             "strip " + std::to_string(sheet.width) + "x" + std::to_string(sheet.height) + ", mask " +
                 std::to_string(mask.width) + "x" + std::to_string(mask.height));
  const int flakesInStrip = (sheet.width + s.SnowPicWith - 1) / s.SnowPicWith;
  FUZZ_CHECK(s.SnowPicsum >= 1 && s.SnowPicsum <= std::max(1, flakesInStrip),
             "SnowPicsum " + std::to_string(s.SnowPicsum));
  for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
    FUZZ_CHECK(mask.pixels[i] == kWhite || mask.pixels[i] == kBlack, "a grey mask pixel");
    FUZZ_CHECK(mask.pixels[i] == kBlack || sheet.pixels[i] == kBlack, "strip colour under the white of the mask");
  }
  FUZZ_CHECK(s.SnowFlakes.size() == static_cast<std::size_t>(s.SnowSum) + 1,
             "flakes array of " + std::to_string(s.SnowFlakes.size()));
}

// The frames of one fall, ceil(480 / YM): a flake drifts once per frame until it restarts.
int FramesPerFall(const Snow& s) { return (kSnowFieldHeight + s.YM - 1) / s.YM; }

void CheckFlakes(const Snow& s, int frame) {
  const int reach = (FramesPerFall(s) - 1) * std::abs(static_cast<int>(s.XM));
  for (int i = 1; i <= s.SnowSum; ++i) {
    const SnowFlake& f = s.SnowFlakes[static_cast<std::size_t>(i)];
    const bool onRows = f.Y >= 0 && f.Y < kSnowFieldHeight;
    const bool inStrip = f.Pic >= 1 && f.Pic <= s.SnowPicsum;
    const bool near = f.X >= 1 - reach && f.X <= kSnowFieldWidth + reach;
    if (onRows && inStrip && near) continue;
    Fail("frame " + std::to_string(frame) + ", flake " + std::to_string(i) + " at (" + std::to_string(f.X) + "," +
         std::to_string(f.Y) + ") pic " + std::to_string(f.Pic) + " of " + std::to_string(s.SnowPicsum) + ", XM " +
         std::to_string(s.XM) + " YM " + std::to_string(s.YM) +
         (!onRows    ? ": off the field's rows"
          : !inStrip ? ": no flake of the strip"
                     : ": drifted too far"));
  }
}

}  // namespace
}  // namespace pelmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelmora;
  using namespace pelmora::fuzz;
  const Scratch& scratch = Scratch::Get();
  WriteFile(scratch.File("Snow.ini"), {reinterpret_cast<const char*>(data), size});
  const std::uint64_t h = Hash(data, size);
  StripLoader loader(h);
  MersenneRandom random(static_cast<std::uint32_t>(h));
  QuietDialogs dialogs;

  Snow snow = Sentinel();
  std::int16_t show = 1;  // neither on nor off: LoadSnow must say which
  LoadSnow(snow, show, scratch.Folder().string() + "\\", dialogs, loader, random);
  FUZZ_CHECK(dialogs.Boxes() <= 1, std::to_string(dialogs.Boxes()) + " boxes for one Snow.ini");
  FUZZ_CHECK(show == 0 || show == kTrue, "snowShow " + std::to_string(show));
  CheckModel({reinterpret_cast<const char*>(data), size}, loader, snow, show);
  if (show == 0) {
    FUZZ_CHECK(SameSnow(snow, Sentinel()), "snow that stays off changed the snow");
    return 0;
  }
  CheckLoaded(snow);
  FUZZ_CHECK(kSnowFieldWidth + (FramesPerFall(snow) - 1) * std::abs(static_cast<int>(snow.XM)) <=
                 std::numeric_limits<std::int16_t>::max(),
             "XM " + std::to_string(snow.XM) + " lets a flake leave 16 bits within its fall");
  CheckFlakes(snow, 0);

  // A few frames on the real field, the rest on a small one: the drawing is clipped the same,
  // and a thousand large flakes over hundreds of frames would slow the search down. A whole fall
  // and one frame more (at most 300) bring every flake back to the top at least once, past the
  // farthest drift and through the restart.
  // The field is made once: what earlier inputs drew on it does not matter.
  static Surface field(kSnowFieldWidth, kSnowFieldHeight, 0x204060);
  Surface corner(16, 16);
  const int frames = std::min(300, FramesPerFall(snow) + 1);
  for (int frame = 1; frame <= frames; ++frame) {
    DrawSnow(snow, random, frame <= 4 ? field : corner);
    CheckFlakes(snow, frame);
  }
  return 0;
}
