#pragma once
// A label's `picture` (ViewState.h) that names a picture file rather than the
// program's own picture: this prefix, then the file's path.
namespace quorbel {

inline constexpr const char* kPictureFile = "file:";

}  // namespace quorbel
