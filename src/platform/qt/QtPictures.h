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
// one of its pixels to each pixel of such a screen.
QImage AsImage(const Surface& surface, int scale = 1);

// The window picture at `path` for a device scale: at 2 its "@2x" file, with a device pixel ratio
// of 2, when there is one; otherwise the file itself (Qt does not look for "@2x" by itself). Null
// when neither can be read.
QPixmap LoadPixmap(const QString& path, int scale);
QImage LoadImage(const QString& path, int scale);

}  // namespace pelmora
