#pragma once
// One picture showing every generated picture of scale 1 at twice its size with its file
// name, on a neutral grey so that both the black and the white of the masks stand out.

#include <QImage>

#include <vector>

#include "Output.h"

namespace pelmora::assets {

QImage ContactSheet(const std::vector<NamedPicture>& pictures);

}  // namespace pelmora::assets
