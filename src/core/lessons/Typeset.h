#pragma once
// Greek letters, superscripts and subscripts in lesson texts, for teachers whose
// keyboard has none: "\nu" becomes ν, "x^2" x², "f_0" f₀, "10^{-3}" 10⁻³. Letters
// typed as themselves (ν, ², ₀) stay as they are. A character that has no superscript
// or subscript form keeps its "^" or "_".
#include <string>
#include <string_view>

namespace quorbel::lessons {

std::string Typeset(std::string_view text);

}  // namespace quorbel::lessons
