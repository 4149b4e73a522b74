// The commands of the control panel and the game menu.
#include <filesystem>

#include "platform/Paths.h"
#include "platform/AppInfo.h"
#include "shell/Session.h"
#include "game/GameFiles.h"

namespace pelmora {

namespace {
constexpr char kWebAddress[] = "https://pelmora.example.org/";
}  // namespace

void Session::NewGameCommand() {
  if (!EnsureAPictureSetLoaded()) return;
  const bool started = rules_.NewGame(*this);
  if (!paused_) return;
  // A paused game asked its question like a running one: a new game leaves the pause behind
  // (its countdown, music and loop have all started afresh); keeping the old one resumes it.
  if (started) {
    paused_ = false;
  } else {
    Resume();
  }
}

void Session::ExitCommand() {
  if (io_.dialogs.Message("游戏进行中,真的要退出吗?", "提示", Buttons::OkCancel, Icon::Question) == Answer::Ok)
    io_.view.Close();
}

void Session::SelectGameMode(int mode) {
  settings_.GameMode = static_cast<std::int16_t>(mode);
  io_.view.ShowMode(mode);
}

void Session::ChoosePictureSet(int index) {
  settings_.GameMain = static_cast<std::int16_t>(index);
  LoadCurrentPictureSet();
  LoadSnowForCurrentSet();
}

void Session::ShowHelp() {
  const std::string path = GamePath(where_.GameFolder, files::kHelp);
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    io_.opener.Open(path);
  } else {
    io_.dialogs.Message("帮助文件丢失！", "警告", Buttons::Ok, Icon::Exclamation);
  }
}

void Session::ShowLeaderboard() { io_.leaderboard.ShowLeaderboard(pxb_); }

void Session::OpenWebPage() { io_.opener.Open(kWebAddress); }

void Session::ShowAbout() {
  std::string text;
  for (const char* line : {"程序设计：Pelmora 开发组", "电子邮件：team@pelmora.example.org", "QQ：20261207",
                           "版权所有：Pelmora 开发组"})
    text += std::string(line) + "\n";
  text += std::string("更多游戏：") + kWebAddress + "\n";
  io_.dialogs.Message(text, std::string("关于") + kAppTitle, Buttons::Ok, Icon::None);
}

}  // namespace pelmora
