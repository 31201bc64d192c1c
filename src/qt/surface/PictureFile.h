#pragma once
// Exported pictures: a drawing made again on a fresh surface and written as a PNG
// image (an ImageSurface at 96 dpi and the request's device pixel ratio) or as an SVG
// drawing (the same painter surface on Qt's SVG generator, in 96-dpi pixels). The
// file is written under a temporary name in its folder and renamed over the old one
// only when complete.
#include <string>

#include "platform/Platform.h"

namespace quorbel {

// False, with the reason in `error`, when the file cannot be written.
bool WritePictureFile(const PictureRequest& request, std::string* error);

}  // namespace quorbel
