#include "view/SpriteStore.h"

namespace pelmora {

namespace {

// A sheet and its mask, cleaned of the JPEG noise that AND/OR drawing would show as a fringe.
void CleanPair(Surface& sheet, Surface& mask) {
  CleanMask(mask);
  BlackenUnderWhite(sheet, mask);
}

void MaskTheMap(SpriteStore& s) {
  s.MaskedMap = s.GameMap;
  BitBlt(s.MaskedMap, 0, 0, s.MaskedMap.width, s.MaskedMap.height, s.GameMapM, 0, 0, RasterOp::SrcAnd);
}

}  // namespace

std::optional<std::string> LoadFixedPictures(SpriteStore& s, const std::string& imagesFolder,
                                             PictureLoader& loader) {
  const std::pair<const char*, Surface*> files[] = {
      {"GameMap.JPG", &s.GameMap},   {"GameMapM.JPG", &s.GameMapM}, {"RDown.JPG", &s.RDown},
      {"RDownM.JPG", &s.RDownM},     {"ROver.JPG", &s.ROver},       {"ROverM.JPG", &s.ROverM},
      {"RStar.JPG", &s.RStar},       {"RStarM.JPG", &s.RStarM},     {"RNoDown.JPG", &s.RNoDown},
      {"RNoDownM.JPG", &s.RNoDownM}, {"1Hand.JPG", &s.Hand1},       {"1HandM.JPG", &s.Hand1M},
      {"2Hand.JPG", &s.Hand2},       {"2HandM.JPG", &s.Hand2M},     {"Number1.JPG", &s.Su},
      {"JTDown0.JPG", &s.JTDown[0]}, {"JTDown1.JPG", &s.JTDown[1]}, {"JTDown2.JPG", &s.JTDown[2]},
      {"JTUp0.JPG", &s.JTUp[0]},     {"JTUp1.JPG", &s.JTUp[1]},     {"JTUp2.JPG", &s.JTUp[2]},
      {"Line.JPG", &s.Line},         {"LineM.JPG", &s.LineM},
  };
  for (const auto& [name, target] : files) {
    auto picture = LoadForScale(loader, imagesFolder, name, s.scale);
    if (!picture) return std::string(name);
    *target = std::move(*picture);
  }
  CleanPair(s.RStar, s.RStarM);
  CleanPair(s.RDown, s.RDownM);
  CleanPair(s.ROver, s.ROverM);
  CleanPair(s.RNoDown, s.RNoDownM);
  CleanPair(s.Hand1, s.Hand1M);
  CleanPair(s.Hand2, s.Hand2M);
  CleanPair(s.Line, s.LineM);
  CleanMask(s.JTDown[0]);
  CleanMask(s.JTUp[0]);
  for (int phase : {1, 2}) {
    BlackenUnderWhite(s.JTDown[phase], s.JTDown[0]);
    BlackenUnderWhite(s.JTUp[phase], s.JTUp[0]);
  }
  MaskTheMap(s);
  ++s.Loads;
  return std::nullopt;
}

std::optional<std::string> LoadPictureSet(SpriteStore& s, const std::string& setFolder, PictureLoader& loader) {
  const char* names[] = {"GameMap.JPG", "GameImages.JPG", "GameImagesM.JPG"};
  Surface loaded[3];
  for (int i = 0; i < 3; ++i) {
    auto picture = LoadForScale(loader, setFolder, names[i], s.scale);
    if (!picture) return std::string(names[i]);
    loaded[i] = std::move(*picture);
  }
  s.GameMap = std::move(loaded[0]);
  s.GameImages = std::move(loaded[1]);
  s.GameImagesM = std::move(loaded[2]);
  CleanPair(s.GameImages, s.GameImagesM);
  MaskTheMap(s);
  ++s.Loads;
  s.SetFolder = setFolder;
  return std::nullopt;
}

std::optional<SpriteStore> LoadedForScale(const SpriteStore& store, const std::string& imagesFolder,
                                          PictureLoader& loader, int scale) {
  SpriteStore next;
  next.scale = scale;
  next.Loads = store.Loads;
  if (LoadFixedPictures(next, imagesFolder, loader)) return std::nullopt;
  if (!store.SetFolder.empty() && LoadPictureSet(next, store.SetFolder, loader)) return std::nullopt;
  return next;
}

}  // namespace pelmora
