#include "Catalogue.h"

#include <functional>
#include <utility>

#include "Aim.h"
#include "Controls.h"
#include "Cues.h"
#include "Digits.h"
#include "Fields.h"
#include "GameOver.h"
#include "Icons.h"
#include "Leaderboard.h"
#include "MainBack.h"
#include "Music.h"
#include "Pause.h"
#include "Pieces.h"
#include "Player.h"
#include "SnowArt.h"
#include "Splash.h"
#include "Texts.h"
#include "Title.h"

namespace pelmora::assets {

namespace {

// A picture's file name at a scale: at 2 "@2x" comes before the extension, the name under
// which the game finds the pictures for screens with twice the pixels.
QString AtScale(const QString& name, int scale) {
  if (scale == 1) return name;
  const qsizetype dot = name.lastIndexOf('.');
  return name.left(dot) + QString("@%1x").arg(scale) + name.mid(dot);
}

// Chinese first, then its English twin, so that the two sit side by side on the contact sheet.
constexpr Language kLanguages[] = {Language::Chinese, Language::English};

// Where a picture with words is in a language: the Chinese in its place, the English under the
// same name in "en/".
QString In(Language language, const QString& name) { return language == Language::Chinese ? name : "en/" + name; }

void Jpeg(Output& out, const QString& name, int scale, const QImage& image) { out.Jpeg(AtScale(name, scale), image); }
void Png(Output& out, const QString& name, int scale, const QImage& image) { out.Png(AtScale(name, scale), image); }

// A picture with words, then its English twin: side by side on the contact sheet.
void Twins(Output& out, void (*write)(Output&, const QString&, int, const QImage&), const QString& name, int scale,
           const std::function<QImage(Language)>& draw) {
  for (const Language l : kLanguages) write(out, In(l, name), scale, draw(l));
}

void Sprite(Output& out, const QString& folder, const QString& name, int scale, const SpritePair& pair) {
  Jpeg(out, folder + name + ".JPG", scale, pair.sheet);
  Jpeg(out, folder + name + "M.JPG", scale, pair.mask);
}

void Arrows(Output& out, const QString& name, int scale, const ArrowPictures& arrow) {
  Jpeg(out, "images/" + name + "0.JPG", scale, arrow.mask);
  Jpeg(out, "images/" + name + "1.JPG", scale, arrow.phase1);
  Jpeg(out, "images/" + name + "2.JPG", scale, arrow.phase2);
}

void PictureSet(Output& out, const QString& folder, PieceStyle style, int scale) {
  Jpeg(out, folder + "GameMap.JPG", scale, FieldBackground(style, scale));
  Sprite(out, folder, "GameImages", scale, PieceSheet(style, scale));
}

}  // namespace

void WriteFixedPictures(Output& out, int scale) {
  const QString images = "images/";
  Twins(out, Jpeg, images + "GameMap.JPG", scale, [scale](Language l) { return TitleField(scale, l); });
  Jpeg(out, images + "GameMapM.JPG", scale, FieldMask(scale));
  Sprite(out, images, "RDown", scale, PlayerStrip(PlayerAnimation::Holding, scale));
  Sprite(out, images, "ROver", scale, PlayerStrip(PlayerAnimation::Lost, scale));
  Sprite(out, images, "RStar", scale, PlayerStrip(PlayerAnimation::Standing, scale));
  Sprite(out, images, "RNoDown", scale, PlayerStrip(PlayerAnimation::Refusing, scale));
  Sprite(out, images, "1Hand", scale, HandsPicture(1, scale));
  Sprite(out, images, "2Hand", scale, HandsPicture(2, scale));
  Jpeg(out, images + "Number1.JPG", scale, DigitStrip(scale));
  Arrows(out, "JTDown", scale, GrabArrow(scale));
  Arrows(out, "JTUp", scale, ThrowArrow(scale));
  Sprite(out, images, "Line", scale, GuideDash(scale));
  Jpeg(out, images + "Long.JPG", scale, SplashPicture(scale));
}

void WritePictureSets(Output& out, int scale) {
  PictureSet(out, "pics/gems/", PieceStyle::Gems, scale);
  PictureSet(out, "pics/garden/", PieceStyle::Garden, scale);
  PictureSet(out, "pics/winter/", PieceStyle::Winter, scale);
  Sprite(out, "pics/winter/", "Snow", scale, SnowFlakes(scale));
}

void WriteWindowPictures(Output& out, int scale) {
  const QImage back = MainBackground(scale);
  Png(out, "ui/MainBack.png", scale, back);
  Png(out, "ui/Cursor.png", scale, CursorPicture(scale));
  Png(out, "ui/Question.png", scale, QuestionPicture(scale));
  const std::pair<ButtonKind, QString> buttons[] = {
      {ButtonKind::NewGame, "NewGame"}, {ButtonKind::Exit, "Exit"}, {ButtonKind::Menu, "Menu"}};
  for (const auto& button : buttons) {
    const ButtonKind kind = button.first;
    Twins(out, Png, "ui/" + button.second + ".png", scale, [&](Language l) { return ButtonPicture(back, kind, false, l); });
    Twins(out, Png, "ui/" + button.second + "Hover.png", scale, [&](Language l) { return ButtonPicture(back, kind, true, l); });
  }
  for (int i = 1; i <= 4; ++i) Png(out, QString("ui/Slider%1.png").arg(i), scale, SliderPicture(back, i));
  Png(out, "ui/ScoreStart.png", scale, ScoreStart(scale));
  Twins(out, Png, "ui/PxbBack.png", scale, [scale](Language l) { return LeaderboardBackground(scale, l); });
  Twins(out, Png, "ui/Pause.png", scale, [scale](Language l) { return PausePicture(scale, l); });
  Twins(out, Png, "ui/GameOver.png", scale, [scale](Language l) { return GameOverPicture(scale, l); });
}

void WriteIcons(Output& out) {
  for (const int size : {32, 48, 64, 128, 256}) out.Png(QString("ui/Icon%1.png").arg(size), IconPicture(size));
}

void WriteSounds(Output& out) {
  out.Bytes("sound/gamstar.wav", GameStartCue());
  out.Bytes("sound/down.wav", GrabCue());
  out.Bytes("sound/up.wav", ThrowCue());
  out.Bytes("sound/nodown.wav", RefusedCue());
  out.Bytes("sound/xiao.wav", VanishCue());
  out.Bytes("sound/gameover.wav", GameOverCue());
}

void WriteMusic(Output& out) {
  for (const Song& song : Songs()) out.Bytes("media/" + song.file, RenderSong(song));
}

void WriteTexts(Output& out, bool keepSettings) {
  out.Bytes("Help.txt", HelpText());
  out.Bytes("en/Help.txt", EnglishHelpText());
  // The flakes' sizes are in game pixels at every scale.
  out.Bytes("pics/winter/Snow.ini", SnowIni());
  // The game writes the player's choices back into this file: a rebuild keeps them.
  if (keepSettings && out.Exists("VornPGame.ini")) return;
  const QByteArray settings = ShippedSettings();
  if (settings.isEmpty()) {
    out.Fail("cannot encode VornPGame.ini as GBK (Qt without ICU?)");
    return;
  }
  out.Bytes("VornPGame.ini", settings);
}

}  // namespace pelmora::assets
