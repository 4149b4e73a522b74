#pragma once
// Pictures through Qt: files into Surfaces and Surfaces into QImages for the widgets. Every
// picture is read in the player's language: its English twin when there is one (QtLanguage.h).

#include <QImage>
#include <QPixmap>
#include <QString>

#include "platform/Pictures.h"

namespace pelmora {

class QtPictureLoader final : public PictureLoader {
 public:
  std::optional<Surface> Load(const std::string& path) override;
};

Surface ToSurface(const QImage& image);
// A QImage that shares the Surface's pixels; valid while the Surface lives and is not resized.
// A Surface drawn at device scale 2 is shown with a device pixel ratio of 2: at its logical size,
// one of its pixels to each pixel of such a screen. Its top bytes are whatever the raster
// operations left: it is not a picture to copy onto a window as it is (see CopyOpaque).
QImage AsImage(const Surface& surface, int scale = 1);

// Copies `area` of `from` into the same place of `to` (both Format_RGB32, of one size) with every
// top byte 255. A window whose pixels carry alpha (every window on Wayland) takes a top byte of 0
// as fully transparent.
void CopyOpaque(const QImage& from, const QRect& area, QImage& to);
// A copy of the Surface's pixels, opaque, at the device scale it was drawn for.
QImage OpaqueImage(const Surface& surface, int scale = 1);

// The window picture at `path` for a device scale: at 2 its "@2x" file, with a device pixel ratio
// of 2, when there is one; otherwise the file itself (Qt does not look for "@2x" by itself). Null
// when neither can be read.
QPixmap LoadPixmap(const QString& path, int scale);
QImage LoadImage(const QString& path, int scale);

}  // namespace pelmora
