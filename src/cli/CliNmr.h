#pragma once
// "fftquorbel-cli nmr PATH csv|peaks|OUT.png|OUT.svg|OUT.pdf": a FID processed with the
// parameters stored beside it, each of which an option can change.
#include <iosfwd>
#include <string>
#include <vector>

namespace quorbel::cli {

// `arguments` are the words after "nmr". Returns the exit status; a QGuiApplication must
// exist for the pictures.
int RunNmr(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace quorbel::cli
