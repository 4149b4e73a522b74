#include "shell/qt/GameMenu.h"

namespace pelmora {

GameMenu::GameMenu(GameMenuActions actions) : actions_(std::move(actions)), munFiler_("MainF") {
  // Separator lines of a classic menu: a clear line with room around it (the default style draws
  // them so thin that the picture-set submenu's first line would not show).
  munFiler_.setStyleSheet("QMenu::separator { height: 1px; background: #a8a8a8; margin: 4px 6px; }");
  munGameSelect_ = munFiler_.addMenu("选择游戏图片");
  munGameSelect_->setSeparatorsCollapsible(false);  // its first line is a separator, and it shows
  munGameSelect_->addSeparator();
  munFiler_.addSeparator();
  munFiler_.addAction("游戏帮助", [this] { actions_.help(); });
  munFiler_.addAction("排行榜", [this] { actions_.leaderboard(); });
  munFiler_.addSeparator();
  munFiler_.addAction("最新游戏资讯", [this] { actions_.webPage(); });
  munFiler_.addAction("关于...", [this] { actions_.about(); });
  munFiler_.addSeparator();
  munFiler_.addAction("退出", [this] { actions_.exit(); });
}

void GameMenu::AddPictureSet(const QString& name) {
  const int index = ++sets_;
  munGameSelect_->addAction(name, [this, index] { actions_.choosePictureSet(index); });
}

void GameMenu::PopUp(const QPoint& globalTopLeft) { munFiler_.exec(globalTopLeft); }

QAction* GameMenu::Entry(const QString& caption) const {
  for (QAction* action : munFiler_.actions())
    if (action->text() == caption) return action;
  return nullptr;
}

}  // namespace pelmora
