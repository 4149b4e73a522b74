#pragma once
// The game menu "MainF": never a menu bar, only a pop-up under the menu button. The picture-set
// submenu starts with a visible separator line, then one item per set. The entries speak the
// player's language and word themselves anew when it changes; they are found by what they do.

#include <QMenu>
#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "platform/Language.h"

namespace pelmora {

struct GameMenuActions {
  std::function<void(int)> choosePictureSet;  // 1-based
  std::function<void()> help, leaderboard, webPage, about, exit;
  std::function<void(Language)> chooseLanguage;
};

enum class MenuCommand { Help, Leaderboard, WebPage, About, Chinese, English, Exit };

class GameMenu final : public QObject {
  Q_OBJECT
 public:
  explicit GameMenu(GameMenuActions actions);

  // munGame(1..n): one item per picture set, in order, captioned with its name.
  void AddPictureSet(const QString& name);
  // Opens the menu at a global position and returns when it has closed.
  void PopUp(const QPoint& globalTopLeft);

  QMenu& munFiler() { return munFiler_; }
  QMenu& munGameSelect() { return *munGameSelect_; }
  QAction* Entry(MenuCommand command) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Add(MenuCommand command, const std::function<void()>& action);
  void Retranslate();
  // A picture set's name in the player's language.
  static QString PictureSetCaption(const QString& name);

  GameMenuActions actions_;
  QMenu munFiler_;
  QMenu* munGameSelect_ = nullptr;
  std::map<MenuCommand, QAction*> entries_;
  std::vector<QString> setNames_;  // the picture sets' names as given
};

}  // namespace pelmora
