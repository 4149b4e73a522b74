#include "shell/qt/GameMenu.h"

#include <QEvent>

namespace pelmora {

namespace {

// The entries' captions in the game's own words, by what each does.
struct Caption {
  MenuCommand command;
  const char* words;
};
constexpr Caption kCaptions[] = {
    {MenuCommand::Help, QT_TRANSLATE_NOOP("pelmora::GameMenu", "游戏帮助")},
    {MenuCommand::Leaderboard, QT_TRANSLATE_NOOP("pelmora::GameMenu", "排行榜")},
    {MenuCommand::WebPage, QT_TRANSLATE_NOOP("pelmora::GameMenu", "最新游戏资讯")},
    {MenuCommand::About, QT_TRANSLATE_NOOP("pelmora::GameMenu", "关于...")},
    {MenuCommand::Exit, QT_TRANSLATE_NOOP("pelmora::GameMenu", "退出")},
};
constexpr const char* kPictureSets = QT_TRANSLATE_NOOP("pelmora::GameMenu", "选择游戏图片");

}  // namespace

GameMenu::GameMenu(GameMenuActions actions) : actions_(std::move(actions)), munFiler_("MainF") {
  // Separator lines of a classic menu: a clear line with room around it (the default style draws
  // them so thin that the picture-set submenu's first line would not show).
  munFiler_.setStyleSheet("QMenu::separator { height: 1px; background: #a8a8a8; margin: 4px 6px; }");
  munGameSelect_ = munFiler_.addMenu(QString());
  munGameSelect_->setSeparatorsCollapsible(false);  // its first line is a separator, and it shows
  munGameSelect_->addSeparator();
  munFiler_.addSeparator();
  Add(MenuCommand::Help, [this] { actions_.help(); });
  Add(MenuCommand::Leaderboard, [this] { actions_.leaderboard(); });
  munFiler_.addSeparator();
  Add(MenuCommand::WebPage, [this] { actions_.webPage(); });
  Add(MenuCommand::About, [this] { actions_.about(); });
  munFiler_.addSeparator();
  // The languages are named in both, so that a player who cannot read the one shown finds them.
  QMenu* languages = munFiler_.addMenu(QStringLiteral("语言 / Language"));
  entries_[MenuCommand::Chinese] = languages->addAction(QStringLiteral("中文"), [this] {
    actions_.chooseLanguage(Language::Chinese);
  });
  entries_[MenuCommand::English] = languages->addAction(QStringLiteral("English"), [this] {
    actions_.chooseLanguage(Language::English);
  });
  munFiler_.addSeparator();
  Add(MenuCommand::Exit, [this] { actions_.exit(); });
  munFiler_.installEventFilter(this);
  Retranslate();
}

void GameMenu::Add(MenuCommand command, const std::function<void()>& action) {
  entries_[command] = munFiler_.addAction(QString(), action);
}

void GameMenu::Retranslate() {
  munGameSelect_->setTitle(tr(kPictureSets));
  for (const Caption& caption : kCaptions) entries_[caption.command]->setText(tr(caption.words));
  for (int i = 0; i < static_cast<int>(setNames_.size()); ++i)
    munGameSelect_->actions().at(i + 1)->setText(PictureSetCaption(setNames_[static_cast<std::size_t>(i)]));
}

bool GameMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &munFiler_ && event->type() == QEvent::LanguageChange) Retranslate();
  return QObject::eventFilter(watched, event);
}

QString GameMenu::PictureSetCaption(const QString& name) {
  // The shipped sets have names of the catalogue; a set a player adds keeps the name given.
  static constexpr const char* kShipped[] = {QT_TRANSLATE_NOOP("pelmora::GameMenu", "宝石"),
                                             QT_TRANSLATE_NOOP("pelmora::GameMenu", "花园"),
                                             QT_TRANSLATE_NOOP("pelmora::GameMenu", "冬雪")};
  for (const char* shipped : kShipped)
    if (name == QString::fromUtf8(shipped)) return tr(shipped);
  return name;
}

void GameMenu::AddPictureSet(const QString& name) {
  setNames_.push_back(name);
  const int index = static_cast<int>(setNames_.size());
  munGameSelect_->addAction(PictureSetCaption(name), [this, index] { actions_.choosePictureSet(index); });
}

void GameMenu::PopUp(const QPoint& globalTopLeft) { munFiler_.exec(globalTopLeft); }

QAction* GameMenu::Entry(MenuCommand command) const {
  const auto found = entries_.find(command);
  return found != entries_.end() ? found->second : nullptr;
}

}  // namespace pelmora
