#include "Art.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QStringList>

#include <algorithm>

namespace pelmora::assets {

namespace {

constexpr const char* kCjkFamily = "WenQuanYi Micro Hei";
constexpr const char* kLatinFamily = "Lato";

QFont FontOf(const char* family, double pixels, int weight) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(pixels + 0.5));
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace

QImage Canvas(int w, int h, int scale) {
  QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  return image;
}

QImage Opaque(int w, int h, QColor fill, int scale) {
  QImage image(w * scale, h * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(fill);
  return image;
}

SpritePair Split(const QImage& art) {
  const QImage src = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  SpritePair out{QImage(src.size(), QImage::Format_RGB32), QImage(src.size(), QImage::Format_Grayscale8)};
  for (int y = 0; y < src.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    auto* sheet = reinterpret_cast<QRgb*>(out.sheet.scanLine(y));
    uchar* mask = out.mask.scanLine(y);
    for (int x = 0; x < src.width(); ++x) {
      const bool figure = qAlpha(in[x]) >= 128;
      sheet[x] = figure ? qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x])) : qRgb(0, 0, 0);
      mask[x] = figure ? 0 : 255;
    }
  }
  return out;
}

void Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor Mix(QColor a, QColor b, double t) {
  const auto mix = [t](double u, double v) { return u + (v - u) * t; };
  QColor c;
  c.setRgbF(static_cast<float>(mix(a.redF(), b.redF())), static_cast<float>(mix(a.greenF(), b.greenF())),
            static_cast<float>(mix(a.blueF(), b.blueF())), static_cast<float>(mix(a.alphaF(), b.alphaF())));
  return c;
}

QColor Darker(QColor c, double amount) {
  QColor black(0, 0, 0, c.alpha());
  return Mix(c, black, amount);
}

QColor Lighter(QColor c, double amount) {
  QColor white(255, 255, 255, c.alpha());
  return Mix(c, white, amount);
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QString Say(Language language, const char* chinese, const char* english) {
  return QString::fromUtf8(language == Language::Chinese ? chinese : english);
}

QFont UiFont(double pixels, int weight) { return FontOf(kCjkFamily, pixels, weight); }

QFont TextFont(Language language, double pixels, int weight) {
  return language == Language::Chinese ? UiFont(pixels, weight) : FontOf(kLatinFamily, pixels, weight);
}

QString MissingFonts() {
  const QStringList families = QFontDatabase::families();
  QStringList missing;
  if (!families.contains(kCjkFamily)) missing << "fonts-wqy-microhei";
  if (!families.contains(kLatinFamily)) missing << "fonts-lato";
  return missing.join(' ');
}

QFont FittedFont(Language language, const QString& text, double pixels, int weight, double maxWidth) {
  QFont font = TextFont(language, pixels, weight);
  // Never below two thirds of the size: a text that needs more must be worded shorter.
  for (double size = pixels - 1; size >= pixels * 2 / 3; size -= 1) {
    if (TextPath(text, font, 0, 0).boundingRect().width() <= maxWidth) break;
    font = TextFont(language, size, weight);
  }
  return font;
}

QPainterPath TextPath(const QString& text, const QFont& font, double cx, double cy) {
  QPainterPath path;
  if (!text.contains('\n')) {
    path.addText(0, 0, font, text);
  } else {
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      QPainterPath line;
      line.addText(0, font.pixelSize() * 1.2 * static_cast<double>(i), font, lines[i]);
      path.addPath(line.translated(-line.boundingRect().center().x(), 0));
    }
  }
  const QRectF box = path.boundingRect();
  return path.translated(cx - box.center().x(), cy - box.center().y());
}

void OutlinedFill(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline, double width) {
  p.save();
  p.setPen(QPen(outline, width * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void Glow(QPainter& p, QPointF centre, double radius, QColor colour) {
  QRadialGradient g(centre, radius);
  g.setColorAt(0.0, colour);
  g.setColorAt(1.0, WithAlpha(colour, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

void VerticalGradient(QPainter& p, const QRectF& r, std::initializer_list<std::pair<double, QColor>> stops) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
  p.fillRect(r, g);
}

void CreamPanel(QPainter& p, const QRectF& panel, double radius) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 40, 90));
  p.drawRoundedRect(panel.translated(3, 4), radius, radius);
  QLinearGradient g(panel.topLeft(), panel.bottomLeft());
  g.setColorAt(0.0, QColor(255, 250, 238));
  g.setColorAt(1.0, QColor(255, 238, 214));
  p.setPen(QPen(QColor(222, 170, 110), 3));
  p.setBrush(g);
  p.drawRoundedRect(panel, radius, radius);
}

void Scatter(QPainter& p, Dice& dice, int count, QRectF area, double rMin, double rMax, QColor colour, bool sparkles) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF c(dice.Between(area.left(), area.right()), dice.Between(area.top(), area.bottom()));
    const double r = dice.Between(rMin, rMax);
    const QColor col = WithAlpha(colour, static_cast<int>(colour.alpha() * dice.Between(0.45, 1.0)));
    if (sparkles) {
      Sparkle(p, c, r, col);
    } else {
      p.setBrush(col);
      p.drawEllipse(c, r * 0.5, r * 0.5);
    }
  }
}

void Sparkle(QPainter& p, QPointF c, double r, QColor colour) {
  const double w = r * 0.22;
  QPainterPath star;
  star.moveTo(c.x(), c.y() - r);
  star.quadTo(c.x() + w * 0.3, c.y() - w * 0.3, c.x() + r, c.y());
  star.quadTo(c.x() + w * 0.3, c.y() + w * 0.3, c.x(), c.y() + r);
  star.quadTo(c.x() - w * 0.3, c.y() + w * 0.3, c.x() - r, c.y());
  star.quadTo(c.x() - w * 0.3, c.y() - w * 0.3, c.x(), c.y() - r);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
  p.restore();
}

}  // namespace pelmora::assets
