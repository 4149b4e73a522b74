// The commands of the control panel and the game menu.
#include <filesystem>

#include "platform/Paths.h"
#include "platform/AppInfo.h"
#include "shell/GameShell.h"

namespace pelmora {

namespace {
constexpr char kWebAddress[] = "https://pelmora.example.org/";
}  // namespace

void GameShell::ExitCommand() {
  if (io_.dialogs.Message("游戏进行中,真的要退出吗?", "提示", Buttons::OkCancel, Icon::Question) == Answer::Ok)
    frm_->close();
}

void GameShell::OpenGameMenu() {
  const QWidget* button = frm_->ComBox(4);
  menu_->PopUp(frm_->mapToGlobal(QPoint(button->x() + 40, button->y() + button->height())));
}

void GameShell::SelectGameMode(int mode) {
  frm_->ShowModeColours(mode);
  settings_.GameMode = static_cast<std::int16_t>(mode);
  frm_->ShowSliderPicture(mode);
}

void GameShell::ChoosePictureSet(int index) {
  settings_.GameMain = static_cast<std::int16_t>(index);
  LoadCurrentPictureSet();
  LoadSnowForCurrentSet();
}

void GameShell::ShowHelp() {
  const std::string path = GamePath(folder_, "\\Help.txt");
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    io_.opener.Open(path);
  } else {
    io_.dialogs.Message("帮助文件丢失！", "警告", Buttons::Ok, Icon::Exclamation);
  }
}

void GameShell::ShowLeaderboard() { io_.leaderboard->ShowLeaderboard(pxb_); }

void GameShell::OpenWebPage() { io_.opener.Open(kWebAddress); }

void GameShell::ShowAbout() {
  std::string text;
  for (const char* line : {"程序设计：Pelmora 开发组", "电子邮件：team@pelmora.example.org", "QQ：20261207",
                           "版权所有：Pelmora 开发组"})
    text += std::string(line) + "\n";
  text += std::string("更多游戏：") + kWebAddress + "\n";
  io_.dialogs.Message(text, std::string("关于") + kAppTitle, Buttons::Ok, Icon::None);
}

}  // namespace pelmora
