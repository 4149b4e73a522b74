// pelmora_assets <out-dir> [--contact-sheet <png>] [--keep-settings]
//
// Writes every picture, sound, music track and shipped text file of the game folder into
// out-dir. The output depends on nothing but this program: the same bytes on every run.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

#include "Art.h"
#include "Catalogue.h"
#include "ContactSheet.h"

namespace {

struct Options {
  QString outDir;
  QString contactSheet;
  bool keepSettings = false;
};

bool Parse(const QStringList& args, Options& o) {
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == "--keep-settings") {
      o.keepSettings = true;
    } else if (a == "--contact-sheet" && i + 1 < args.size()) {
      o.contactSheet = args[++i];
    } else if (!a.startsWith("--") && o.outDir.isEmpty()) {
      o.outDir = a;
    } else {
      return false;
    }
  }
  return !o.outDir.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  // Always offscreen: the generator runs inside builds that have no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Options options;
  if (!Parse(QCoreApplication::arguments(), options)) {
    std::fprintf(stderr, "usage: pelmora_assets <out-dir> [--contact-sheet <png>] [--keep-settings]\n");
    return 2;
  }
  if (const QString missing = pelmora::assets::MissingFonts(); !missing.isEmpty()) {
    std::fprintf(stderr, "pelmora_assets: fonts are missing (Debian: %s)\n", qPrintable(missing));
    return 1;
  }

  // A folder that cannot be made ends the run before minutes of work are wasted on it.
  if (!QDir().mkpath(options.outDir)) {
    std::fprintf(stderr, "pelmora_assets: cannot create %s\n", qPrintable(options.outDir));
    return 1;
  }

  QElapsedTimer clock;
  clock.start();
  using namespace pelmora::assets;
  Output out(options.outDir);
  for (const int scale : {1, 2}) {
    WriteFixedPictures(out, scale);
    WritePictureSets(out, scale);
    WriteWindowPictures(out, scale);
  }
  WriteIcons(out);
  const qint64 pictures = clock.elapsed();
  WriteSounds(out);
  WriteMusic(out);
  WriteTexts(out, options.keepSettings);
  const qint64 sounds = clock.elapsed() - pictures;
  if (out.Ok() && !options.contactSheet.isEmpty()) {
    Output sheet(".");
    sheet.Png(options.contactSheet, ContactSheet(out.Pictures()));
    if (!sheet.Ok()) {
      std::fprintf(stderr, "pelmora_assets: %s\n", qPrintable(sheet.Error()));
      return 1;
    }
  }
  if (!out.Ok()) {
    std::fprintf(stderr, "pelmora_assets: %s\n", qPrintable(out.Error()));
    return 1;
  }
  std::printf("pelmora_assets: wrote %s in %lld ms (%zu pictures %lld ms, sounds and music %lld ms)\n",
              qPrintable(options.outDir), static_cast<long long>(clock.elapsed()), out.Pictures().size(),
              static_cast<long long>(pictures), static_cast<long long>(sounds));
  return 0;
}
