#pragma once
// Pictures through Qt: files into Surfaces and Surfaces into QImages for the widgets.

#include <QImage>

#include "platform/Pictures.h"

namespace pelmora {

class QtPictureLoader final : public PictureLoader {
 public:
  std::optional<Surface> Load(const std::string& path) override;
};

Surface ToSurface(const QImage& image);
// A QImage that shares the Surface's pixels; valid while the Surface lives and is not resized.
QImage AsImage(const Surface& surface);

}  // namespace pelmora
