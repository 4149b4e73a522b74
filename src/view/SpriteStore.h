#pragma once
// Every picture the play field is drawn from, held at its natural size for the store's scale.
// The fixed pictures come from the game's images folder once at start-up; the field background
// and the piece sheet come from the current picture set.

#include <array>
#include <optional>
#include <string>

#include "platform/Pictures.h"
#include "platform/Surface.h"

namespace pelmora {

struct SpriteStore {
  // The device scale every picture is loaded for: 1, or 2 for "@2x" pictures of twice the size
  // (a picture without one is the 1x picture magnified smoothly). Set before loading.
  int scale = 1;
  // Counts the loads into the store, so that a painter comparing one frame with the last knows
  // when the pictures under them have changed. Pictures change only through the loaders.
  int Loads = 0;
  std::string SetFolder;       // the picture set the background and pieces came from, if any
  Surface GameMap;             // the field background, 376 x 480
  Surface GameMapM;            // laid over the whole field with AND at every frame
  Surface GameImages;          // the piece sheet: kind k at y = (k - 1) * 36
  Surface GameImagesM;
  Surface RStar, RStarM;       // the player: four 72 x 72 frames side by side
  Surface RDown, RDownM;
  Surface ROver, ROverM;
  Surface RNoDown, RNoDownM;
  Surface Hand1, Hand1M;       // arms holding one piece
  Surface Hand2, Hand2M;       // arms holding two or more
  Surface Su;                  // the score digits 0..9, 15 x 25 each
  std::array<Surface, 3> JTDown;  // grab arrow: 0 the mask, 1 and 2 the phases
  std::array<Surface, 3> JTUp;    // throw arrow
  Surface Line, LineM;         // one dash of the guide line
  // GameMap with GameMapM ANDed over it, as every frame starts: made by the loaders whenever
  // either changes, so that a frame starts with one copy rather than two passes over the whole
  // field (at scale 2 that is 2.9 MB each). Empty in a store put together by hand.
  Surface MaskedMap;
};

// Loads the 23 fixed pictures from `imagesFolder` (joined text ending in a backslash, such as
// "<game>\images\") in their fixed order, for the store's scale, and cleans the sprite masks.
// Returns the name of the first file that is missing or unreadable; the store is then incomplete
// and must not be drawn.
std::optional<std::string> LoadFixedPictures(SpriteStore& store, const std::string& imagesFolder,
                                             PictureLoader& loader);

// Loads a picture set's field background and piece sheet from `setFolder` (joined text ending in a
// backslash), for the store's scale. All three pictures or none: when a file is missing or
// unreadable the pictures already loaded stay, and the name of the failed file is returned.
std::optional<std::string> LoadPictureSet(SpriteStore& store, const std::string& setFolder, PictureLoader& loader);

// The store's pictures loaded again for `scale`: the fixed pictures from `imagesFolder` and the
// picture set the store holds, if any. Nothing when a picture cannot be read; the store in use is
// then to be kept as it is.
std::optional<SpriteStore> LoadedForScale(const SpriteStore& store, const std::string& imagesFolder,
                                          PictureLoader& loader, int scale);

}  // namespace pelmora
