#include "ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <iterator>

#include "Art.h"

namespace pelmora::assets {

namespace {
constexpr int kScale = 2;
constexpr int kGap = 16;
constexpr int kLabel = 18;
constexpr int kMaxWidth = 2400;
const QColor kGrey(128, 128, 128);
}  // namespace

QImage ContactSheet(const std::vector<NamedPicture>& written) {
  // The "@2x" pictures are the same drawings with finer detail: left out, they would double
  // the sheet and the time it takes in every build.
  std::vector<NamedPicture> pictures;
  std::copy_if(written.begin(), written.end(), std::back_inserter(pictures),
               [](const NamedPicture& pic) { return !pic.name.contains("@2x"); });
  // Lay the pictures out in rows, left to right, in the order they were written.
  struct Place { int x, y; };
  std::vector<Place> places;
  int x = kGap, y = kGap, rowHeight = 0, width = 0;
  const QFont font = UiFont(13, QFont::Normal);
  const QFontMetrics metrics(font);
  for (const auto& pic : pictures) {
    const int w = std::max(pic.image.width() * kScale, metrics.horizontalAdvance(pic.name));
    const int h = pic.image.height() * kScale + kLabel;
    if (x > kGap && x + w > kMaxWidth) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
    width = std::max(width, x);
  }
  QImage sheet = Opaque(std::max(width, 64), y + rowHeight + kGap, kGrey);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(font);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const auto& pic = pictures[i];
    const QRect target(places[i].x, places[i].y + kLabel, pic.image.width() * kScale, pic.image.height() * kScale);
    p.setPen(Qt::white);
    p.drawText(places[i].x, places[i].y + kLabel - 5, pic.name);
    // Nearest-neighbour scaling, so single pixels stay visible.
    p.drawImage(target, pic.image);
  }
  return sheet;
}

}  // namespace pelmora::assets
