// A picture set's Snow.ini, as whoever made the set wrote it.
//
// Input: the file's bytes. The flake strip and its mask come from a stand-in loader whose small
// pictures (their sizes, and now and then a missing one) are derived from the input.
//
// Oracles:
//  - reading shows at most one box (a broken file costs one message, not six);
//  - snow that stays off leaves the snow as it was; snow that comes on has every value within
//    what the field and the strip can show, the strip and its mask cut to the store and to each
//    other, the mask pure black and white, and the strip black wherever the mask is white;
//  - over several hundred frames every flake stays on the field's rows, shows a flake of the
//    strip, and drifts no further sideways than its fall allows, within 16 bits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "FuzzSupport.h"
#include "view/Snow.h"
#include "game/GameState.h"
#include "platform/Random.h"

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

 private:
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
  // and a thousand large flakes over hundreds of frames would slow the search down.
  Surface field(kSnowFieldWidth, kSnowFieldHeight, 0x204060);
  Surface corner(16, 16);
  for (int frame = 1; frame <= 300; ++frame) {
    DrawSnow(snow, random, frame <= 4 ? field : corner);
    CheckFlakes(snow, frame);
  }
  return 0;
}
