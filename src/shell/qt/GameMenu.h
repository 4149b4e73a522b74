#pragma once
// The game menu "MainF": never a menu bar, only a pop-up under the menu button. The picture-set
// submenu starts with a visible separator line, then one item per set.

#include <QMenu>
#include <QObject>
#include <functional>
#include <vector>

namespace pelmora {

struct GameMenuActions {
  std::function<void(int)> choosePictureSet;  // 1-based
  std::function<void()> help, leaderboard, webPage, about, exit;
};

class GameMenu final : public QObject {
 public:
  explicit GameMenu(GameMenuActions actions);

  // munGame(1..n): one item per picture set, in order, captioned with its name.
  void AddPictureSet(const QString& name);
  // Opens the menu at a global position and returns when it has closed.
  void PopUp(const QPoint& globalTopLeft);

  QMenu& munFiler() { return munFiler_; }
  QMenu& munGameSelect() { return *munGameSelect_; }
  QAction* Entry(const QString& caption) const;  // a top-level entry by its caption

 private:
  GameMenuActions actions_;
  QMenu munFiler_;
  QMenu* munGameSelect_ = nullptr;
  int sets_ = 0;
};

}  // namespace pelmora
