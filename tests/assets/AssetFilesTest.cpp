// The game folder after the build: every generated file is there, in its format, at its
// exact size, and every picture but the icons also at twice the size ("@2x"); masks are black
// and white; sheets are black outside their figures, at both sizes; sounds are
// valid PCM; the help and snow texts have their encodings and line ends. (The settings file
// is checked on a fresh run of the generator: in the build's folder the game may have
// written the player's choices into it.)

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "AssetSupport.h"
#include "game/Board.h"
#include "platform/TextCodec.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

struct Expected {
  const char* path;
  QSize size;
  bool twice = true;  // also drawn at twice the size, as "<name>@2x.<ext>"
};

constexpr int kCell = layout::kCell;
constexpr QSize kField(layout::kFieldWidth, layout::kFieldHeight);
constexpr QSize kStrip(layout::kPlayerSize * layout::kPlayerFrames, layout::kPlayerSize);
constexpr QSize kFrame(layout::kPlayerSize, layout::kPlayerSize);
constexpr QSize kPieces(kCell, kKinds * kCell);
constexpr QSize kArrow(kCell, kCell);
constexpr QSize kDash(kCell, layout::kDashHeight);
constexpr QSize kButton(layout::kNewGameButton.w, layout::kNewGameButton.h);
constexpr QSize kSlider(layout::kModeSlider.w, layout::kModeSlider.h);

const Expected kPictures[] = {
    {"images/GameMap.JPG", kField},
    {"images/GameMapM.JPG", kField},
    {"images/RDown.JPG", kStrip},
    {"images/RDownM.JPG", kStrip},
    {"images/ROver.JPG", kStrip},
    {"images/ROverM.JPG", kStrip},
    {"images/RStar.JPG", kStrip},
    {"images/RStarM.JPG", kStrip},
    {"images/RNoDown.JPG", kStrip},
    {"images/RNoDownM.JPG", kStrip},
    {"images/1Hand.JPG", kFrame},
    {"images/1HandM.JPG", kFrame},
    {"images/2Hand.JPG", kFrame},
    {"images/2HandM.JPG", kFrame},
    {"images/Number1.JPG", {10 * layout::kDigitWidth, layout::kDigitHeight}},
    {"images/JTDown0.JPG", kArrow},
    {"images/JTDown1.JPG", kArrow},
    {"images/JTDown2.JPG", kArrow},
    {"images/JTUp0.JPG", kArrow},
    {"images/JTUp1.JPG", kArrow},
    {"images/JTUp2.JPG", kArrow},
    {"images/Line.JPG", kDash},
    {"images/LineM.JPG", kDash},
    {"images/Long.JPG", {layout::kSplashWidth, layout::kSplashHeight}},
    {"ui/MainBack.png", {layout::kClientWidth, layout::kClientHeight}},
    {"ui/Icon32.png", {32, 32}, false},
    {"ui/Icon48.png", {48, 48}, false},
    {"ui/Icon64.png", {64, 64}, false},
    {"ui/Icon128.png", {128, 128}, false},
    {"ui/Icon256.png", {256, 256}, false},
    {"ui/Cursor.png", {layout::kCursorSize, layout::kCursorSize}},
    {"ui/Question.png", {32, 32}},
    {"ui/NewGame.png", kButton},
    {"ui/NewGameHover.png", kButton},
    {"ui/Exit.png", kButton},
    {"ui/ExitHover.png", kButton},
    {"ui/Menu.png", kButton},
    {"ui/MenuHover.png", kButton},
    {"ui/Slider1.png", kSlider},
    {"ui/Slider2.png", kSlider},
    {"ui/Slider3.png", kSlider},
    {"ui/Slider4.png", kSlider},
    {"ui/ScoreStart.png", {layout::kScoreBox.w, layout::kScoreBox.h}},
    {"ui/PxbBack.png", {layout::kBoardWidth, layout::kBoardHeight}},
    {"ui/Pause.png", kField},
    {"ui/GameOver.png", kField},
    {"pics/gems/GameMap.JPG", kField},
    {"pics/gems/GameImages.JPG", kPieces},
    {"pics/gems/GameImagesM.JPG", kPieces},
    {"pics/garden/GameMap.JPG", kField},
    {"pics/garden/GameImages.JPG", kPieces},
    {"pics/garden/GameImagesM.JPG", kPieces},
    {"pics/winter/GameMap.JPG", kField},
    {"pics/winter/GameImages.JPG", kPieces},
    {"pics/winter/GameImagesM.JPG", kPieces},
    {"pics/winter/Snow.JPG", {152, 19}},
    {"pics/winter/SnowM.JPG", {152, 19}},
};

// Every sheet with its mask. The arrows' two phases share the mask of index 0.
const std::pair<const char*, const char*> kSheets[] = {
    {"images/RDown.JPG", "images/RDownM.JPG"},     {"images/ROver.JPG", "images/ROverM.JPG"},
    {"images/RStar.JPG", "images/RStarM.JPG"},     {"images/RNoDown.JPG", "images/RNoDownM.JPG"},
    {"images/1Hand.JPG", "images/1HandM.JPG"},     {"images/2Hand.JPG", "images/2HandM.JPG"},
    {"images/JTDown1.JPG", "images/JTDown0.JPG"},  {"images/JTDown2.JPG", "images/JTDown0.JPG"},
    {"images/JTUp1.JPG", "images/JTUp0.JPG"},      {"images/JTUp2.JPG", "images/JTUp0.JPG"},
    {"images/Line.JPG", "images/LineM.JPG"},       {"pics/gems/GameImages.JPG", "pics/gems/GameImagesM.JPG"},
    {"pics/garden/GameImages.JPG", "pics/garden/GameImagesM.JPG"},
    {"pics/winter/GameImages.JPG", "pics/winter/GameImagesM.JPG"},
    {"pics/winter/Snow.JPG", "pics/winter/SnowM.JPG"},
};

// The name of a picture at a scale: "images/RStar.JPG" at 2 is "images/RStar@2x.JPG".
QString AtScale(const QString& name, int scale) {
  if (scale == 1) return name;
  const qsizetype dot = name.lastIndexOf('.');
  return name.left(dot) + QString("@%1x").arg(scale) + name.mid(dot);
}

TEST(GameFolderPictures, EveryPictureIsThereInItsFormatAtItsExactSize) {
  for (const Expected& e : kPictures) {
    SCOPED_TRACE(e.path);
    QImageReader reader(GamePathOf(e.path));
    const QString name(e.path);
    // The content, not only the name: the game's loader must find a JPEG in every .JPG.
    EXPECT_EQ(reader.format(), name.endsWith(".png") ? QByteArray("png") : QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << qPrintable(reader.errorString());
    EXPECT_EQ(image.size(), e.size);
  }
}

TEST(GameFolderPictures, TwiceAsLargeIsTheSamePictureAtExactlyTwiceTheSize) {
  for (const Expected& e : kPictures) {
    if (!e.twice) continue;
    const QString name = AtScale(e.path, 2);
    SCOPED_TRACE(qPrintable(name));
    QImageReader reader(GamePathOf(name));
    // The game draws a frame at scale 2 with every coordinate doubled: the sizes must be exact.
    EXPECT_EQ(reader.format(), QImageReader(GamePathOf(e.path)).format());
    const QImage big = reader.read();
    ASSERT_FALSE(big.isNull()) << qPrintable(reader.errorString());
    ASSERT_EQ(big.size(), e.size * 2);
    // The same drawing, everything where it is at scale 1 (a part drawn at the wrong scale
    // would show here), only finer.
    const QImage one = LoadGamePicture(e.path);
    const QImage down = big.scaled(e.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LE(MeanDifference(down, one, one.rect()), 16.0);
  }
}

// The pictures with words, whose English twins the English game shows.
const char* const kWorded[] = {"images/GameMap.JPG", "ui/NewGame.png", "ui/NewGameHover.png", "ui/Exit.png",
                               "ui/ExitHover.png",   "ui/Menu.png",    "ui/MenuHover.png",    "ui/PxbBack.png",
                               "ui/Pause.png",       "ui/GameOver.png"};

TEST(GameFolderPictures, EveryWordedPictureHasAnEnglishTwinOfItsSizeWithOtherWords) {
  for (const char* name : kWorded)
    for (const int scale : {1, 2}) {
      const QString chinese = AtScale(name, scale), english = "en/" + chinese;
      SCOPED_TRACE(qPrintable(english));
      QImageReader zh(GamePathOf(chinese)), en(GamePathOf(english));
      EXPECT_EQ(en.format(), zh.format());
      const QImage a = zh.read(), b = en.read();
      ASSERT_FALSE(b.isNull()) << qPrintable(en.errorString());
      ASSERT_EQ(b.size(), a.size());
      // Other words on the same picture: never a copy, and the same all round the edges.
      EXPECT_GT(MeanDifference(a, b, a.rect()), 0.3);
      const int w = a.width(), h = a.height(), e = 3 * scale;
      for (const QRect edge : {QRect(0, 0, w, e), QRect(0, h - e, w, e), QRect(0, 0, e, h), QRect(w - e, 0, e, h)})
        EXPECT_LT(MeanDifference(a, b, edge), 1.0);
    }
  // The game finds a twin by its Chinese name: a file of en/ under any other name is lost.
  for (QDirIterator it(GamePathOf("en"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
    const QString twin = QDir(GamePathOf("en")).relativeFilePath(it.next());
    EXPECT_TRUE(QFileInfo::exists(GamePathOf(twin))) << qPrintable(twin);
  }
}

struct SheetAtScale {
  QString sheet, mask;
  int scale;
};

// Every sheet and mask at both scales: the masking convention holds at 2 as at 1.
std::vector<SheetAtScale> SheetsAtBothScales() {
  std::vector<SheetAtScale> all;
  for (const auto& [sheet, mask] : kSheets)
    for (const int scale : {1, 2}) all.push_back({AtScale(sheet, scale), AtScale(mask, scale), scale});
  return all;
}

TEST(GameFolderPictures, MasksAreBlackAndWhiteWithBoth) {
  for (const auto& [sheet, maskName, scale] : SheetsAtBothScales()) {
    SCOPED_TRACE(qPrintable(maskName));
    const QImage mask = LoadGamePicture(maskName);
    ASSERT_FALSE(mask.isNull());
    EXPECT_LE(MaskNoise(mask), 8);
    const int figure = FigurePixels(mask, mask.rect());
    EXPECT_GT(figure, 0);
    EXPECT_LT(figure, mask.width() * mask.height());
  }
}

TEST(GameFolderPictures, SheetsAreBlackWhereTheirMaskIsWhite) {
  for (const auto& [sheetName, maskName, scale] : SheetsAtBothScales()) {
    SCOPED_TRACE(qPrintable(sheetName));
    const QImage sheet = LoadGamePicture(sheetName), mask = LoadGamePicture(maskName);
    ASSERT_EQ(sheet.size(), mask.size());
    // JPEG keeps colour at half resolution, so next to a figure a trace of its colour can
    // show: far below anything the eye would see through the AND/OR drawing. At twice the
    // size a coloured rim (the snowflakes' blue) is two pixels wide instead of blending into
    // one, and gives its neighbours a little more of its colour.
    EXPECT_LE(BrightestOutsideFigure(sheet, mask), scale == 1 ? 32 : 40);
  }
}

TEST(GameFolderPictures, FieldMaskShadesSoftlyAndMarksTheLimitRow) {
  const QImage mask = LoadGamePicture("images/GameMapM.JPG").convertToFormat(QImage::Format_Grayscale8);
  ASSERT_EQ(mask.size(), QSize(layout::kFieldWidth, layout::kFieldHeight));
  // The game ANDs it over every frame bit by bit. Above the limit row, away from the marks,
  // nothing may drop below 236 (which can only clear the low bits: a slight darkening).
  int lowest = 255, centre = 255;
  for (int y = 0; y < layout::kPlayerTop - 4; ++y)
    for (int x = layout::CellX(0); x < layout::CellX(kColumns); ++x) {
      lowest = std::min<int>(lowest, mask.pixel(x, y) & 0xFF);
      if (x > 120 && x < 256 && y > 140 && y < 340) centre = std::min<int>(centre, mask.pixel(x, y) & 0xFF);
    }
  EXPECT_GE(lowest, 236);
  EXPECT_GE(centre, 250);
  // The dashes along the top of the limit row are black.
  int dark = 0;
  for (int x = 0; x < mask.width(); ++x) dark += (mask.pixel(x, layout::kPlayerTop) & 0xFF) < 40;
  EXPECT_GE(dark, mask.width() / 2);
  // The vignette darkens the corners a little.
  EXPECT_LT(mask.pixel(2, 2) & 0xFF, 250u);
}

// A parsed PCM WAV file.
struct Wav {
  bool ok = false;
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
  double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

std::uint32_t Le(const QByteArray& b, int at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

Wav ParseWav(const QByteArray& b) {
  Wav w;
  if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return w;
  if (Le(b, 4, 4) != static_cast<std::uint32_t>(b.size() - 8)) return w;
  int at = 12;
  bool format = false;
  while (at + 8 <= b.size()) {
    const QByteArray id = b.mid(at, 4);
    const auto size = static_cast<int>(Le(b, at + 4, 4));
    if (at + 8 + size > b.size()) return w;
    if (id == "fmt ") {
      w.format = static_cast<int>(Le(b, at + 8, 2));
      w.channels = static_cast<int>(Le(b, at + 10, 2));
      w.rate = static_cast<int>(Le(b, at + 12, 4));
      w.bits = static_cast<int>(Le(b, at + 22, 2));
      format = Le(b, at + 16, 4) == static_cast<std::uint32_t>(w.rate * w.channels * w.bits / 8);
    } else if (id == "data" && format) {
      w.samples.resize(static_cast<std::size_t>(size / 2));
      std::memcpy(w.samples.data(), b.constData() + at + 8, w.samples.size() * 2);
      w.ok = true;
      return w;
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

// Checks shared by cues and music: PCM 16-bit mono, a rate the platform plays, silent at
// both ends (faded, so no click), peaks at about -6 dBFS and never clipped.
void ExpectSoftPcm(const Wav& w) {
  ASSERT_TRUE(w.ok);
  EXPECT_EQ(w.format, 1);
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.bits, 16);
  EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
  ASSERT_FALSE(w.samples.empty());
  int peak = 0;
  for (const std::int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_GE(peak, 32768 / 4);   // not silent: above -12 dBFS
  EXPECT_LE(peak, 32768 * 6 / 10);  // about -6 dBFS at most, far from clipping
  // It starts and ends at zero and rises and falls gradually: within the first half
  // millisecond it stays under a third of its peak, within the last two under a tenth.
  EXPECT_EQ(w.samples.front(), 0);
  EXPECT_EQ(w.samples.back(), 0);
  const auto head = static_cast<std::size_t>(w.rate / 2000), tail = static_cast<std::size_t>(w.rate / 500);
  for (std::size_t i = 0; i < head; ++i) EXPECT_LE(std::abs(int(w.samples[i])) * 3, peak) << "start " << i;
  for (std::size_t i = 0; i < tail; ++i)
    EXPECT_LE(std::abs(int(w.samples[w.samples.size() - 1 - i])) * 10, peak) << "end " << i;
}

TEST(GameFolderSounds, CuesAreShortSoftPcm) {
  for (const char* name : {"gamstar", "down", "up", "nodown", "xiao", "gameover"}) {
    SCOPED_TRACE(name);
    const Wav w = ParseWav(ReadGameFile(QString("sound/%1.wav").arg(name)));
    ExpectSoftPcm(w);
    EXPECT_GE(w.Seconds(), 0.05);
    EXPECT_LE(w.Seconds(), 2.0);
  }
  // The sparkle restarts for every vanishing piece, several times a second: it is short.
  EXPECT_LE(ParseWav(ReadGameFile("sound/xiao.wav")).Seconds(), 0.3);
}

TEST(GameFolderSounds, ThreeMusicTracksOfOneToThreeMinutes) {
  // The generated ones (the player may add music of their own beside them).
  for (const QString t : {"SunnySteps.wav", "SnowLantern.wav", "GemMarket.wav"}) {
    SCOPED_TRACE(qPrintable(t));
    const Wav w = ParseWav(ReadGameFile("media/" + t));
    ExpectSoftPcm(w);
    EXPECT_GE(w.Seconds(), 60.0);
    EXPECT_LE(w.Seconds(), 180.0);
    // Loop-friendly: a slow fade at both ends (the first and last half second stay well
    // below the peak).
    int head = 0, tail = 0;
    for (int i = 0; i < w.rate / 2; ++i) {
      head = std::max(head, std::abs(int(w.samples[static_cast<std::size_t>(i)])));
      tail = std::max(tail, std::abs(int(w.samples[w.samples.size() - 1 - static_cast<std::size_t>(i)])));
    }
    EXPECT_LE(head, 32768 / 6);
    EXPECT_LE(tail, 32768 / 6);
  }
}

TEST(GameFolderTexts, SnowIniDescribesTheFlakeStrip) {
  const QByteArray ini = ReadGameFile("pics/winter/Snow.ini");
  EXPECT_EQ(ini.toStdString(),
            "[Snow]\r\nSnowShow=True\r\nSnowSum=60\r\nSnowPicWith=19\r\nSnowPicHeight=19\r\nSnowPicsum=8\r\nXM=1\r\nYM=3\r\n");
  // The strip holds SnowPicsum pictures of SnowPicWith x SnowPicHeight and fits the game's
  // flake store.
  const QImage strip = LoadGamePicture("pics/winter/Snow.JPG");
  EXPECT_EQ(strip.size(), QSize(8 * 19, 19));
  EXPECT_LE(strip.width(), layout::kSnowStoreWidth);
  EXPECT_LE(strip.height(), layout::kSnowStoreHeight);
}

TEST(GameFolderTexts, HelpIsUtf8ChineseFirstThenEnglish) {
  const QByteArray bytes = ReadGameFile("Help.txt");
  const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  ASSERT_FALSE(bytes.isEmpty());
  EXPECT_TRUE(IsValidUtf8(raw));
  EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));  // no byte-order mark
  const QString text = QString::fromUtf8(bytes);
  const qsizetype chinese = text.indexOf(QStringLiteral("游戏目标"));
  const qsizetype english = text.indexOf("GOAL");
  ASSERT_GE(chinese, 0);
  ASSERT_GE(english, 0);
  EXPECT_LT(chinese, english);
  // What a player must learn from it, in both languages.
  for (const char* topic : {"左键", "右键", "20 秒", "100 分", "１：简单模式", "２：正常模式", "３：挑战模式",
                            "４：极限模式", "宝石", "花园", "冬雪", "音乐", "音效", "排行榜", "空格", "Ctrl+N",
                            "暂停", "最小化", "Left click", "Right click", "20 seconds", "100 points", "leaderboard",
                            "snow", "Space", "minimised", "Esc"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
  // Windows line ends throughout, so that every text viewer shows the lines.
  EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
}

TEST(GameFolderTexts, EnglishHelpIsUtf8AndBothTellHowTheLanguageIsChosen) {
  for (const char* name : {"Help.txt", "en/Help.txt"}) {
    SCOPED_TRACE(name);
    const QByteArray bytes = ReadGameFile(name);
    EXPECT_TRUE(IsValidUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    for (const char* words : {"语言 / Language", "[UserSet]", "Language=zh", "Language=en", "GOAL", "F2"})
      EXPECT_TRUE(bytes.contains(words)) << words;
  }
  // The English game's help names what its screen shows: no Chinese but the menu entry that
  // reads in both languages.
  QString english = QString::fromUtf8(ReadGameFile("en/Help.txt"));
  english.remove(QStringLiteral("语言"));
  EXPECT_FALSE(std::any_of(english.begin(), english.end(), [](QChar c) { return c.unicode() >= 0x2E80; }));
}

}  // namespace
}  // namespace pelmora::testing
