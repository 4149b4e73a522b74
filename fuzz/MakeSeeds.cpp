// Writes the fuzz targets' first inputs: `pelmora_fuzz_seeds <seed folder> <game folder>`.
// The settings, snow and codec seeds are the asset generator's own files from the game folder;
// the data.dat seeds are tables encoded by the game's own writer. Nothing binary is kept in the
// source tree.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "leaderboard/PxbStore.h"
#include "platform/TextCodec.h"

namespace {

namespace fs = std::filesystem;
using namespace pelmora;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "pelmora_fuzz_seeds: cannot read %s\n", path.c_str());
    std::exit(1);
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Gbk(const std::string& utf8) { return Utf8ToGbk(utf8).value(); }

// A settings input: which key to write (its place in the target's table), the value, the file.
std::string SettingsInput(int key, const std::string& value, const std::string& file) {
  return std::string{static_cast<char>(key), static_cast<char>(value.size())} + value + file;
}

void SettingsSeeds(const fs::path& out, const std::string& shipped) {
  Write(out, "gamemode", SettingsInput(4, "3", shipped));
  Write(out, "mediaon", SettingsInput(0, "False", shipped));
  Write(out, "menuname1", SettingsInput(7, "雪景", shipped));
  // A GBK file whose only bytes that are not UTF-8 sit on the line rewritten: the other Chinese
  // line (GBK 楼 reads as "¥" in UTF-8) must still read as GBK afterwards.
  Write(out, "encoding",
        SettingsInput(9, "x",
                      "[GameMenu]\r\nMenu=2\r\nMenuName1=" + Gbk("楼") +
                          "\r\nMenuPath1=\\a\\\r\nMenuName2=" + Gbk("冬雪") + "\r\nMenuPath2=\\b\\\r\n"));
}

void SnowSeeds(const fs::path& out, const std::string& shipped) {
  Write(out, "shipped", shipped);
  Write(out, "extreme",
        "[Snow]\r\nSnowShow=-1\r\nSnowSum=32767\r\nSnowPicWith=1\r\nSnowPicHeight=99\r\nSnowPicsum=900\r\n"
        "XM=-32768\r\nYM=1\r\n");
}

void PxbSeeds(const fs::path& out) {
  PXBList three{};
  three[0] = {"张三", 412, "2026/1/2"};
  three[1] = {"李四", 300, "2026/1/3"};
  three[2] = {"Wang", 97, "2026/12/31"};
  PXBList full{};
  for (int k = 0; k < 10; ++k)
    full[static_cast<std::size_t>(k)] = {"冬雪宝石花园玩家九", 99999 - k, "2026/10/" + std::to_string(k + 1)};
  Write(out, "empty", EncodePXB(PXBList{}));
  Write(out, "three", EncodePXB(three));
  Write(out, "full", EncodePXB(full));
  // Cut short, and a name whose length field claims more than its record.
  Write(out, "short", EncodePXB(three).substr(0, 100));
  std::string claims = EncodePXB(full);
  claims[0] = 40;
  Write(out, "claims", claims);
}

void CodecSeeds(const fs::path& out, const std::string& settings, const std::string& help) {
  Write(out, "settings-gbk", settings);
  Write(out, "help-utf8", help.substr(0, 1500));
  Write(out, "name-utf8", "冬雪宝石花园玩家九");
  Write(out, "name-gbk", Gbk("冬雪宝石花园玩家九"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <seed folder> <game folder>\n", argv[0]);
    return 2;
  }
  const fs::path seeds = argv[1];
  const fs::path game = argv[2];
  const std::string settings = Read(game / "VornPGame.ini");
  SettingsSeeds(seeds / "settings", settings);
  SnowSeeds(seeds / "snow", Read(game / "pics" / "winter" / "Snow.ini"));
  PxbSeeds(seeds / "pxb");
  CodecSeeds(seeds / "codec", settings, Read(game / "Help.txt"));
  return 0;
}
