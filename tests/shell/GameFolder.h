#pragma once
// A game folder of the test's own with the shipped settings file (GBK, CR LF) and an empty
// media folder. Pictures are not in it: core tests load them through a fake, Qt tests link the
// built ones in (LinkBuiltPictures).

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "support/TempFolder.h"

namespace pelmora::testing {

// The settings file the game ships with, as UTF-8 lines.
inline const char* kShippedSettings[] = {
    "[UserSet]",     "MediaON=True",   "MediaMax=60",         "SoundON=True",    "SoundMax=80",
    "GameMode=1",    "GameMain=1",     "[GameMenu]",          "Menu=3",          "MenuName1=宝石",
    "MenuPath1=\\pics\\gems\\",        "MenuName2=花园",      "MenuPath2=\\pics\\garden\\",
    "MenuName3=冬雪", "MenuPath3=\\pics\\winter\\"};

class GameFolder {
 public:
  GameFolder() : root_(dir_.Path()) {
    std::filesystem::create_directories(root_ / "media");
    WriteSettings(std::vector<std::string>(std::begin(kShippedSettings), std::end(kShippedSettings)));
  }
  std::string Text() const { return root_.generic_string(); }  // with "/", as the game's paths
  std::filesystem::path Path() const { return root_; }

  void WriteSettings(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    std::ofstream(root_ / "VornPGame.ini", std::ios::binary) << Utf8ToGbk(text).value();
  }
  std::string ReadSettings() const {
    std::ifstream in(root_ / "VornPGame.ini", std::ios::binary);
    return GbkToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
  }

  // The built game folder's pictures, linked in.
  void LinkBuiltPictures(const std::filesystem::path& built) {
    for (const char* dir : {"images", "pics", "ui"}) std::filesystem::create_directory_symlink(built / dir, root_ / dir);
  }
  // The images folder as a copy, so that a test may damage it.
  void OwnImages(const std::filesystem::path& built) {
    std::filesystem::remove(root_ / "images");
    std::filesystem::copy(built / "images", root_ / "images");
  }

 private:
  TempFolder dir_;
  std::filesystem::path root_;
};

}  // namespace pelmora::testing
