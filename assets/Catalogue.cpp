#include "Catalogue.h"

#include <utility>

#include "Aim.h"
#include "Controls.h"
#include "Cues.h"
#include "Digits.h"
#include "Fields.h"
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

void Sprite(Output& out, const QString& folder, const QString& name, const SpritePair& pair) {
  out.Jpeg(folder + name + ".JPG", pair.sheet);
  out.Jpeg(folder + name + "M.JPG", pair.mask);
}

void Arrows(Output& out, const QString& name, const ArrowPictures& arrow) {
  out.Jpeg("images/" + name + "0.JPG", arrow.mask);
  out.Jpeg("images/" + name + "1.JPG", arrow.phase1);
  out.Jpeg("images/" + name + "2.JPG", arrow.phase2);
}

void PictureSet(Output& out, const QString& folder, PieceStyle style) {
  out.Jpeg(folder + "GameMap.JPG", FieldBackground(style));
  Sprite(out, folder, "GameImages", PieceSheet(style));
}

}  // namespace

void WriteFixedPictures(Output& out) {
  const QString images = "images/";
  out.Jpeg(images + "GameMap.JPG", TitleField());
  out.Jpeg(images + "GameMapM.JPG", FieldMask());
  Sprite(out, images, "RDown", PlayerStrip(PlayerAnimation::Holding));
  Sprite(out, images, "ROver", PlayerStrip(PlayerAnimation::Lost));
  Sprite(out, images, "RStar", PlayerStrip(PlayerAnimation::Standing));
  Sprite(out, images, "RNoDown", PlayerStrip(PlayerAnimation::Refusing));
  Sprite(out, images, "1Hand", HandsPicture(1));
  Sprite(out, images, "2Hand", HandsPicture(2));
  out.Jpeg(images + "Number1.JPG", DigitStrip());
  Arrows(out, "JTDown", GrabArrow());
  Arrows(out, "JTUp", ThrowArrow());
  Sprite(out, images, "Line", GuideDash());
  out.Jpeg(images + "Long.JPG", SplashPicture());
}

void WritePictureSets(Output& out) {
  PictureSet(out, "pics/gems/", PieceStyle::Gems);
  PictureSet(out, "pics/garden/", PieceStyle::Garden);
  PictureSet(out, "pics/winter/", PieceStyle::Winter);
  Sprite(out, "pics/winter/", "Snow", SnowFlakes());
  out.Bytes("pics/winter/Snow.ini", SnowIni());
}

void WriteWindowPictures(Output& out) {
  const QImage back = MainBackground();
  out.Png("ui/MainBack.png", back);
  for (const int size : {32, 48, 64, 128, 256}) out.Png(QString("ui/Icon%1.png").arg(size), IconPicture(size));
  out.Png("ui/Cursor.png", CursorPicture());
  const std::pair<ButtonKind, QString> buttons[] = {
      {ButtonKind::NewGame, "NewGame"}, {ButtonKind::Exit, "Exit"}, {ButtonKind::Menu, "Menu"}};
  for (const auto& [kind, name] : buttons) {
    out.Png("ui/" + name + ".png", ButtonPicture(back, kind, false));
    out.Png("ui/" + name + "Hover.png", ButtonPicture(back, kind, true));
  }
  for (int i = 1; i <= 4; ++i) out.Png(QString("ui/Slider%1.png").arg(i), SliderPicture(back, i));
  out.Png("ui/ScoreStart.png", ScoreStart());
  out.Png("ui/PxbBack.png", LeaderboardBackground());
  out.Png("ui/Pause.png", PausePicture());
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
