// How long a whole start-up's worth of settings reads takes on a huge settings file: the six
// user settings, "Menu" and the names and folders of three picture sets, all through the reader,
// with "MenuName1" holding millions of characters. Run it under /usr/bin/time -v for the peak
// memory:
//   build/bench/pelmora_settings_read_bench [characters (20000000)] [ascii|gbk]
// "gbk" fills the name with Chinese characters in GBK (two bytes each), so the file is read as
// GBK and decoded; "ascii" keeps the file valid UTF-8.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Dialogs.h"
#include "shell/StartupSettings.h"

namespace {

struct NoDialogs : pelmora::Dialogs {
  int shown = 0;
  pelmora::Answer Message(const pelmora::Text&, const pelmora::Text&, pelmora::Buttons, pelmora::Icon) override {
    ++shown;
    return pelmora::Answer::Abort;
  }
  std::optional<std::string> Input(const pelmora::Text&, const pelmora::Text&, const std::string&, int) override {
    return std::nullopt;
  }
  void SaveFailed(pelmora::StoredFile, const pelmora::SaveError&) override {}
};

std::string HugeSettings(std::size_t characters, bool gbk) {
  std::string text =
      "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\nGameMain=1\r\n"
      "[GameMenu]\r\nMenu=3\r\nMenuName1=";
  if (gbk) {
    text.reserve(text.size() + 2 * characters + 200);
    for (std::size_t i = 0; i < characters; ++i) text += "\xD1\xA9";  // 雪
  } else {
    text.append(characters, 'x');
  }
  text += "\r\nMenuPath1=\\pics\\gems\\\r\nMenuName2=b\r\nMenuPath2=\\pics\\garden\\\r\n"
          "MenuName3=c\r\nMenuPath3=\\pics\\winter\\\r\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t characters = argc > 1 ? std::stoul(argv[1]) : 20000000;
  const bool gbk = argc > 2 && std::string(argv[2]) == "gbk";

  std::string folder = (std::filesystem::temp_directory_path() / "pelmora-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) return 1;
  {
    std::ofstream out(folder + "/VornPGame.ini", std::ios::binary);
    out << HugeSettings(characters, gbk);
  }
  const auto fileBytes = std::filesystem::file_size(folder + "/VornPGame.ini");

  NoDialogs dialogs;
  const auto start = std::chrono::steady_clock::now();
  const pelmora::SettingsFile file(folder + "/VornPGame.ini");
  const pelmora::StartupSettings read = pelmora::ReadStartupSettings(file, folder, dialogs);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

  std::printf("file %.1f MB (%s), one start-up's reads: %.3f s, %zu picture sets, first name %zu bytes, %d boxes\n",
              static_cast<double>(fileBytes) / 1e6, gbk ? "GBK" : "UTF-8", took.count(), read.Sets.size(),
              read.Sets.empty() ? 0 : read.Sets[0].Name.size(), dialogs.shown);
  std::filesystem::remove_all(folder);
  return 0;
}
