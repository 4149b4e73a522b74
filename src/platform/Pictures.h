#pragma once
// Loading picture files (JPEG) into Surfaces, for a device scale of 1 or 2.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Surface.h"

namespace pelmora {

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // The picture at path, or nothing when the file is missing or not a readable picture.
  virtual std::optional<Surface> Load(const std::string& path) = 0;
};

// Whether a picture file's bytes run to its end. Decoders draw a cut-off JPEG or PNG with grey
// or empty rows where the rest was, and only warn; such a file must count as broken instead.
//  - JPEG (begins FF D8): its segments and scans, walked marker by marker, reach the end marker
//    FF D9;
//  - PNG (its 8-byte signature): its chunks, walked by their lengths, reach a whole IEND chunk;
//  - anything else: true, left to the decoder.
bool IsWholePicture(std::string_view bytes);

// JPEG leaves grey fringes in masks and faint colour where a sheet should be black, and the
// AND/OR drawing would show both as a fringe. CleanMask turns every mask pixel pure black or
// white; BlackenUnderWhite then makes the sheet black wherever its (cleaned) mask is white.
// The field mask is not cleaned: its greys shade the field on purpose.
void CleanMask(Surface& mask);
void BlackenUnderWhite(Surface& sheet, const Surface& mask);

// The picture twice as wide and high, smoothly: every new pixel is a bilinear blend of the four
// nearest old ones (weights 9, 3, 3, 1 of 16), the edges repeated outwards. For a picture that has
// no "@2x" file; a mask magnified so must be cleaned again.
Surface Magnified2x(const Surface& picture);

// A picture's file name at a scale: at 2 "@2x" comes before the extension ("RStar.JPG" becomes
// "RStar@2x.JPG"); at 1 the name itself.
std::string ScaledName(const std::string& name, int scale);

// The picture `name` of `folder` (joined text ending in a backslash) drawn for `scale`: at 1 the
// file itself; at 2 its "@2x" file, or, when that is missing or unreadable (a picture set a player
// made), the file itself magnified smoothly. Nothing when no file can be read.
std::optional<Surface> LoadForScale(PictureLoader& loader, const std::string& folder, const std::string& name,
                                    int scale);

}  // namespace pelmora
