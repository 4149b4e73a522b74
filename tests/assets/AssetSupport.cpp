#include "AssetSupport.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>

#include "platform/qt/QtPictures.h"

namespace pelmora::testing {

QString GameDir() { return QStringLiteral(PELMORA_GAME_DIR); }

QString GamePathOf(const QString& relative) { return QDir(GameDir()).filePath(relative); }

QImage LoadGamePicture(const QString& relative) { return QImage(GamePathOf(relative)); }

QByteArray ReadGameFile(const QString& relative) {
  QFile file(GamePathOf(relative));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

Surface LoadSurface(const QString& relative) { return ToSurface(LoadGamePicture(relative)); }

int MaskNoise(const QImage& mask) {
  const QImage rgb = mask.convertToFormat(QImage::Format_RGB32);
  int worst = 0;
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = rgb.pixel(x, y);
      for (const int v : {qRed(c), qGreen(c), qBlue(c)}) worst = std::max(worst, std::min(v, 255 - v));
    }
  return worst;
}

int BrightestOutsideFigure(const QImage& sheet, const QImage& mask) {
  const QImage s = sheet.convertToFormat(QImage::Format_RGB32);
  const QImage m = mask.convertToFormat(QImage::Format_RGB32);
  int worst = 0;
  for (int y = 0; y < std::min(s.height(), m.height()); ++y)
    for (int x = 0; x < std::min(s.width(), m.width()); ++x) {
      const QRgb mc = m.pixel(x, y);
      if (qRed(mc) + qGreen(mc) + qBlue(mc) < 3 * 128) continue;
      const QRgb c = s.pixel(x, y);
      worst = std::max({worst, qRed(c), qGreen(c), qBlue(c)});
    }
  return worst;
}

int FigurePixels(const QImage& mask, const QRect& area) {
  const QImage m = mask.convertToFormat(QImage::Format_RGB32);
  int n = 0;
  const QRect r = area.intersected(m.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = m.pixel(x, y);
      n += qRed(c) + qGreen(c) + qBlue(c) < 3 * 128;
    }
  return n;
}

double MeanDifference(const QImage& a, const QImage& b, const QRect& r) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int j = r.top(); j <= r.bottom(); ++j)
    for (int i = r.left(); i <= r.right(); ++i) {
      const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
      sum += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
    }
  return sum / (r.width() * r.height());
}

double Luminance(QRgb c) {
  const auto lin = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace pelmora::testing
