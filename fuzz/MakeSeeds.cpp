// Writes the fuzz targets' first inputs: `pelmora_fuzz_seeds <seed folder> <game folder>`.
// The settings, snow and codec seeds are the asset generator's own files from the game folder;
// the data.dat seeds are spelled out here byte by byte.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

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

// The file with the value of `key`'s line replaced, as a player editing it by hand would.
std::string Edited(const std::string& file, const std::string& key, const std::string& value) {
  const std::size_t at = file.find("\n" + key + "=");
  if (at == std::string::npos) return file;
  const std::size_t from = at + key.size() + 2;
  return file.substr(0, from) + value + file.substr(file.find('\r', from));
}

void SettingsSeeds(const fs::path& out, const std::string& shipped) {
  Write(out, "gamemode", SettingsInput(4, "3", shipped));
  Write(out, "mediaon", SettingsInput(0, "False", shipped));
  Write(out, "menuname1", SettingsInput(7, "雪景", shipped));
  // Numbers just past what 16 bits hold.
  Write(out, "beyond-16-bits", SettingsInput(2, "True", Edited(Edited(shipped, "SoundMax", "40000"), "GameMain", "-32769")));
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

// One 18-byte record: the bytes as written here, then zero filler.
std::string Record(std::string_view bytes) { return std::string(bytes) + std::string(18 - bytes.size(), '\0'); }

// data.dat files spelled out byte by byte, not made by the game's writer, so that a reader and
// a writer that agree on a wrong layout still meet the right one.
void PxbSeeds(const fs::path& out) {
  using namespace std::string_view_literals;
  // Row 1: "Ann", 1000 (E8 03 00 00), "2026/1/2", the file ending right after the date's text.
  Write(out, "one-row", Record("\x03\x00" "Ann"sv) + Record("\xE8\x03\x00\x00"sv) + std::string("\x08\x00" "2026/1/2"sv));
  // Row 1: GBK "张三" with 0x12345678; row 2: "Bo" with -2; the rest of the 540 bytes zero.
  std::string two = Record("\x04\x00\xD5\xC5\xC8\xFD"sv) + Record("\x78\x56\x34\x12"sv) +
                    Record("\x0A\x00" "2026/12/31"sv) + Record("\x02\x00" "Bo"sv) +
                    Record("\xFE\xFF\xFF\xFF"sv) + Record("\x09\x00" "2026/3/14"sv);
  two.resize(540, '\0');
  Write(out, "two-rows", two);
  // A name that fills its 16 bytes, and one whose length (17) claims more than its record.
  Write(out, "full-name", Record("\x10\x00" "ABCDEFGHIJKLMNOP"sv) + Record("\x01\x01\x00\x00"sv) + Record("\x00\x00"sv) +
                              Record("\x11\x00" "abcdefghijklmnop"sv) + Record("\x05\x00\x00\x00"sv));
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
