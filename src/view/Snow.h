#pragma once
// The snow overlay: a picture set may let small flakes drift down over the play field during a
// game. The set's "Snow.ini" (section "Snow") switches it on and gives the number of flakes, the
// layout of the flake strip and the steps per frame.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Pictures.h"
#include "platform/Random.h"
#include "platform/Surface.h"
#include "view/Layout.h"

namespace pelmora {

// The inner size of the play field: flakes start within x 1..376 and go back to the top when
// their top edge reaches y 480.
inline constexpr int kSnowFieldWidth = layout::kFieldWidth;
inline constexpr int kSnowFieldHeight = layout::kFieldHeight;
// The picture store of the flake strip and its mask; a larger strip is cut to it.
inline constexpr int kSnowStoreWidth = layout::kSnowStoreWidth;
inline constexpr int kSnowStoreHeight = layout::kSnowStoreHeight;
inline constexpr int kMaxSnowFlakes = 1000;

struct SnowFlake {
  std::int16_t X = 0;    // left edge on the field, pixels
  std::int16_t Y = 0;    // top edge on the field, pixels
  std::int16_t Pic = 0;  // which flake of the strip, 1..SnowPicsum
};

struct Snow {
  std::int16_t SnowSum = 0;        // number of flakes
  std::int16_t SnowPicWith = 0;    // width of one flake picture
  std::int16_t SnowPicHeight = 0;  // height of the flake pictures
  std::int16_t SnowPicsum = 0;     // number of flake pictures in the strip
  std::int16_t XM = 0;             // sideways step per frame
  std::int16_t YM = 0;             // fall per frame
  std::vector<SnowFlake> SnowFlakes;  // indices 0..SnowSum; flake 0 is never used
  Surface PicSnow;   // flake n (1-based) at x (n-1)*SnowPicWith, black around the flakes
  Surface PicSnowM;  // its mask: white around the flakes, black on them
  // The device scale the strip is loaded for: at 2 it is twice the size, every flake is drawn at
  // twice its place, which stays in pixels at scale 1, and the settings keep their 1x values.
  int scale = 1;
};

// Sets the snow up for the picture set in `setFolder` (joined text ending in a backslash, e.g.
// "/home/x/game\pics\winter\"). Without "Snow.ini" snowShow becomes 0. Otherwise snowShow is its
// "SnowShow" value (-1 on, 0 off); when on, "Snow.JPG" and "SnowM.JPG" are loaded, the six keys
// read and the flakes scattered at random (X 1..376, Y 0..479, Pic 1..SnowPicsum).
//
// Snow stays off (snowShow 0, `snow` unchanged) when "SnowShow" is not a boolean, a flake picture
// is missing or unreadable, or a key is missing or not a 16-bit whole number; the reader has told
// the player about a missing key already, and the game plays on without snow. The values are kept
// within what the field and the strip can show: SnowSum 0..1000, flake size 1..152 x 1..27 (the
// strip and its mask are cut to that store and to each other), SnowPicsum 1..the flakes the strip
// holds, YM 1..480 so every flake comes back to the top, and |XM| small enough that X stays within
// 16 bits for a whole fall.
//
// The strip is loaded for `scale`: at 2 from "Snow@2x.JPG" and "SnowM@2x.JPG", or, without them,
// the 1x strip magnified smoothly; the store it is cut to is then twice the size as well.
void LoadSnow(Snow& snow, std::int16_t& snowShow, const std::string& setFolder, Dialogs& dialogs,
              PictureLoader& loader, Random& random, int scale = 1);

// Loads the flake strip of `setFolder` again for another scale, leaving the flakes where they are
// and the settings as they were. False when the strip cannot be read; `snow` is then unchanged.
bool LoadSnowStrip(Snow& snow, const std::string& setFolder, PictureLoader& loader, int scale);

// One frame of the fall: every flake in order drifts (r in 1..10: r < 5 moves it XM left, else XM
// right), falls YM, and restarts at the top with a new X and picture once Y reaches 480.
void MoveSnow(Snow& snow, Random& random);

// The flakes in use, 1..FlakesInUse(snow): SnowSum, as far as the flakes array reaches.
int FlakesInUse(const Snow& snow);

// Where flake `i` is drawn, in the field's pixels at the strip's scale, and the x of its picture
// in the strip (its y is 0).
struct FlakeSprite {
  layout::Rect at;
  int sx;
};
FlakeSprite FlakeAt(const Snow& snow, int i);

// One frame: MoveSnow, then every flake drawn masked onto `field` (mask with AND, strip with OR)
// at FlakeAt.
void DrawSnow(Snow& snow, Random& random, Surface& field);

}  // namespace pelmora
