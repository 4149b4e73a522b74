#include "Logo.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

#include "Art.h"
#include "Shapes.h"

namespace pelmora::assets {

void DrawLogo(QPainter& p, QPointF centre, double height) {
  const QString word = QStringLiteral("Pelmora");
  static const int kinds[7] = {1, 7, 4, 3, 8, 2, 5};
  const QFont font = UiFont(height * 1.35, QFont::Black);
  const QFontMetricsF metrics(font);
  const double tracking = height * 0.02;

  // Letters laid out on a gentle wave, then the whole word centred on its visual bounds.
  QPainterPath letters[7];
  QPainterPath all;
  double x = 0;
  for (int i = 0; i < word.size(); ++i) {
    const double lift = std::sin(i * 0.9) * height * 0.06;
    letters[i].addText(x, lift, font, word.mid(i, 1));
    all.addPath(letters[i]);
    x += metrics.horizontalAdvance(word.mid(i, 1)) + tracking;
  }
  const QPointF shift = centre - all.boundingRect().center();
  const double outline = std::max(1.5, height * 0.07);

  p.save();
  p.translate(shift);
  Smooth(p);
  // Shadow, then a dark rim round the whole word, then each letter.
  p.setPen(QPen(QColor(30, 14, 50, 110), outline * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(30, 14, 50, 110));
  p.drawPath(all.translated(height * 0.04, height * 0.07));
  p.setPen(QPen(QColor(50, 22, 70), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(all);
  for (int i = 0; i < word.size(); ++i) {
    const QColor c = KindColour(kinds[i]);
    const QRectF box = letters[i].boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, Lighter(c, 0.6));
    g.setColorAt(0.5, Lighter(c, 0.1));
    g.setColorAt(1.0, Darker(c, 0.15));
    p.setPen(QPen(QColor(255, 255, 255, 230), outline * 0.55, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(letters[i]);
  }
  p.restore();
}

}  // namespace pelmora::assets
