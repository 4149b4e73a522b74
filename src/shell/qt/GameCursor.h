#pragma once
// The game's pointer: its picture at its logical size on a screen of any device pixel ratio,
// the hot spot on the arrow's tip.

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace pelmora {

// The picture in device pixels for `ratio` (made from the 2x drawing above 1) and the device
// pixel of the arrow's tip in it. Null when the picture cannot be read.
struct CursorPicture {
  QImage image;
  QPoint deviceHotSpot;
};
CursorPicture GameCursorPicture(const QString& uiFolder, qreal ratio);

// The cursor itself. X11 places a cursor's picture by a hot spot in device pixels, the other
// platforms by one in logical pixels that they scale themselves. Without the picture: a hand.
QCursor GameCursor(const QString& uiFolder, qreal ratio, bool hotSpotInDevicePixels);

}  // namespace pelmora
