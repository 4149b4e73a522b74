#include "Texts.h"

#include <QString>
#include <QStringEncoder>
#include <QStringList>

namespace pelmora::assets {

namespace {

// Lines joined with CR LF, the line end of every text file the game reads or shows.
QString CrLf(const QStringList& lines) { return lines.join("\r\n") + "\r\n"; }

const char* const kHelpChinese = R"(Pelmora 游戏帮助
================

【游戏目标】
八种图块从场地顶部垂下。你站在场地最下面的一行里，把同一种图块凑成三个或更多，
让它们消失。每消除一个图块得 1 分。

【鼠标操作】
· 移动鼠标：左右移动，选择要操作的那一列。
· 左键或右键（手中没有图块）：把这一列最下面的一串同种图块拉到手里。
· 左键（手中有图块）：把手里的图块全部向上抛到这一列的最下面。
· 右键（手中有图块）：如果这一列最下面的图块与手中的同种，就再拉一串到手里。
  这样可以从几列收集同种图块，再一起抛出。
· 抛出后，如果这一列最下面连着三个或更多与抛出的图块同种的图块，它们就一起消失，
  每个 1 分。
· 这一列没有可拉的图块，或者右键时最下面的图块种类不同，小家伙会摇头拒绝。

【键盘操作】
· ← / →（或 A / D）：把选中的列向左或向右移动一列。
· ↑ 或空格（或 W）：与左键相同 —— 手中有图块时把它们抛上去，手中没有图块时拉下一串。
· ↓（或 S）：与右键相同 —— 拉下一串图块，或者再拉一串与手中同种的图块。
· F2 或 Ctrl+N：开始新游戏。
· F1：打开这份帮助。

【暂停】
游戏进行中按 P、Pause 或 Esc 键暂停，场地上会显示 “暂停”。
再按一次这些键，或者点击暂停的场地，游戏就继续。
游戏窗口失去焦点或被最小化时，游戏会自动暂停，等你回来要求继续时才继续。

【下降与关卡】
每隔 20 秒，整个场地下降一行，顶部出现新的一行随机图块。
每得 100 分升一关；每升一关，下降的间隔缩短 0.1 秒。

【游戏结束】
当静止的图块降到你所站的那一行（场地最下面、标有虚线的一行）时，游戏结束，
场地上会显示 “游戏结束”。成绩能进入前十名时，可以把它记入排行榜。
按 F2 或点击 “新游戏” 重新开始。

【四种模式】
在右侧点击模式文字或拖动滑块选择模式，下一局开始时生效：
１：简单模式 —— 开局 3 行图块
２：正常模式 —— 开局 5 行图块
３：挑战模式 —— 开局 7 行图块
４：极限模式 —— 开局 9 行图块

【图片风格】
“游戏菜单” → “选择游戏图片” 可以在 “宝石”、“花园”、“冬雪” 三套图片之间切换，
游戏进行中也能随时更换。“冬雪” 还会飘雪。

【音乐与音效】
右下方的 “音乐” 和 “音效” 复选框分别开关背景音乐和音效。
这些设置以及所选模式和图片，在退出游戏时自动保存。

【排行榜】
排行榜保存前十名的成绩。游戏结束时如果成绩进入前十名，会询问是否保存并请你输入名字。
随时可以在 “游戏菜单” → “排行榜” 中查看。

【语言】
游戏使用桌面的语言：中文环境下显示中文，其他语言环境下显示英文。
“游戏菜单” → “语言 / Language” 可以切换语言；所作的选择保存在 VornPGame.ini 的
[UserSet] 一节中：Language=zh（中文）或 Language=en（英文）。)";

const char* const kHelpEnglish = R"(Pelmora - How to play
=====================

GOAL
Pieces of eight kinds hang from the top of the field. You stand in the bottom row of the
field. Bring three or more pieces of one kind together and they vanish: one point for
every piece.

MOUSE
- Move the mouse left and right to choose a column.
- Left (or right) click with empty hands: pull the lowest run of pieces of one kind in
  that column down into your hands.
- Left click with pieces in your hands: throw all of them up under the lowest piece of
  the column.
- Right click with pieces in your hands: if the column's lowest pieces are of the same
  kind as yours, pull them into your hands too. So you can gather one kind from several
  columns before one throw.
- After a throw, when three or more pieces of the thrown kind sit together at the bottom
  of the column, they vanish, one point each.
- With nothing to pull, or a right click on another kind, your little digger shakes its
  head.

KEYBOARD
- Left / Right arrow (or A / D): move the chosen column by one.
- Up arrow or Space (or W): what the left button does - throw up what you hold, or pull
  pieces down when your hands are empty.
- Down arrow (or S): what the right button does - pull pieces down, or gather more of the
  kind in your hands.
- F2 or Ctrl+N: start a new game.
- F1: open this help.

PAUSE
P, Pause or Esc pauses a running game, and the field shows %1. Press one of
these keys again, or click the paused field, to play on. The game also pauses by itself
when its window loses the focus or is minimised, and waits until you ask it to go on.

DESCENT AND LEVELS
Every 20 seconds the whole field comes down by one row and a new random row appears at
the top. Every 100 points you reach the next level, and each level makes the descent
0.1 seconds quicker.

GAME OVER
The game is over when a resting piece reaches your row (the bottom row of the field,
marked with a dashed line); then the field shows %2.
A score good enough for the top ten can go on the leaderboard.
Press F2 or click %3 to play again.

FOUR MODES
Choose a mode on the right, by clicking its name or dragging the slider. It applies from
the next new game on:
1: easy      - the game starts with 3 rows of pieces
2: normal    - 5 rows
3: challenge - 7 rows
4: extreme   - 9 rows

PICTURE SETS
%4 -> %5
switches between the sets %6, %7 and %8,
at any time, even during a game. The winter set brings falling snow.

MUSIC AND SOUND
The check boxes %9 and %10 at the lower right
switch the background music and the sound effects on and off. These switches, the mode
and the picture set are saved when you leave the game.

LEADERBOARD
The leaderboard keeps the ten best scores. When a game ends with a score for the top ten,
you are asked whether to store it and for your name. See it any time under %4 ->
%11.

LANGUAGE
The game speaks the desktop's language: Chinese on a Chinese desktop, English on any other.
%4 -> "语言 / Language" switches between the two.
The choice is kept in VornPGame.ini, in the section [UserSet], as Language=zh (Chinese)
or Language=en (English).)";

// The names of what the player sees on the screen, in the order %1..%11 of the English help:
// for the Chinese game each quoted as shown, with its meaning; for the English game as shown.
const char* const kChineseNames[] = {
    R"("暂停" (paused))",         R"("游戏结束" (game over))", R"("新游戏" (new game))", R"("游戏菜单" (game menu))",
    R"("选择游戏图片" (choose pictures))", R"("宝石" (gems))", R"("花园" (garden))", R"("冬雪" (winter snow))",
    R"("音乐" (music))",           R"("音效" (sound effects))", R"("排行榜" (leaderboard))"};
const char* const kEnglishNames[] = {R"("Paused")", R"("Game Over")", R"("New Game")", R"("Menu")",
                                     R"("Choose pictures")", R"("Gems")", R"("Garden")", R"("Winter")",
                                     R"("Music")", R"("Sound")", R"("Leaderboard")"};

// The English help with the screen's names filled in.
QString English(const char* const (&names)[11]) {
  QString text = QString::fromUtf8(kHelpEnglish);
  // Backwards, so that %1 does not take the front of %10 and %11.
  for (int i = 11; i >= 1; --i) text.replace(QString("%%1").arg(i), QString::fromUtf8(names[i - 1]));
  return text;
}

}  // namespace

QByteArray HelpText() {
  const QString chinese = QString::fromUtf8(kHelpChinese);
  return CrLf((chinese + "\n\n\n" + English(kChineseNames)).split('\n')).toUtf8();
}

QByteArray EnglishHelpText() { return CrLf(English(kEnglishNames).split('\n')).toUtf8(); }

QByteArray ShippedSettings() {
  const QString text = CrLf({
      "[UserSet]",
      "MediaON=True",
      "MediaMax=60",
      "SoundON=True",
      "SoundMax=80",
      "GameMode=1",
      "GameMain=1",
      "[GameMenu]",
      "Menu=3",
      QStringLiteral("MenuName1=宝石"),
      "MenuPath1=\\pics\\gems\\",
      QStringLiteral("MenuName2=花园"),
      "MenuPath2=\\pics\\garden\\",
      QStringLiteral("MenuName3=冬雪"),
      "MenuPath3=\\pics\\winter\\",
  });
  QStringEncoder gbk("GBK");
  if (!gbk.isValid()) return {};
  QByteArray bytes = gbk.encode(text);
  return gbk.hasError() ? QByteArray() : bytes;
}

}  // namespace pelmora::assets
