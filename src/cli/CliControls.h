#pragma once
// fftquorbel-cli controls [WINDOW]: the control index of one window, or of every
// window, printed from the windows' control tables.
#include <iosfwd>
#include <string>
#include <vector>

#include "windows/ControlIndex.h"

namespace quorbel::cli {

// One line of the index: window, control, kind, caption and the events it answers as
// Event=Handler, separated by tabs (a caption's line breaks and tabs written \n, \t).
std::string ControlLine(const ControlIndexEntry& entry);

// `arguments` are the words after "controls": none for every window, or a window's
// name as its table names it (Form1, Form6, frmAbout, ...). Returns the exit status;
// an unknown window or a further word is a usage error on `err`.
int PrintControls(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace quorbel::cli
