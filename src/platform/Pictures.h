#pragma once
// Loading picture files (JPEG) into Surfaces.

#include <optional>
#include <string>

#include "platform/Surface.h"

namespace pelmora {

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // The picture at path, or nothing when the file is missing or not a readable picture.
  virtual std::optional<Surface> Load(const std::string& path) = 0;
};

// JPEG leaves grey fringes in masks and faint colour where a sheet should be black, and the
// AND/OR drawing would show both as a fringe. CleanMask turns every mask pixel pure black or
// white; BlackenUnderWhite then makes the sheet black wherever its (cleaned) mask is white.
// The field mask is not cleaned: its greys shade the field on purpose.
void CleanMask(Surface& mask);
void BlackenUnderWhite(Surface& sheet, const Surface& mask);

}  // namespace pelmora
