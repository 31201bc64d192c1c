#pragma once
// fftquorbel-cli lesson [--strict] PATH: the check of a lesson (a lesson folder or its
// lesson.txt). Each question is printed with the answer the program's own numbers
// give, then every message naming its line. Exit status 0 for a good lesson, 1 for a
// broken one (an error), 2 for a bad command line. --strict checks as the shipped
// lessons are checked (warnings are errors); it is implied for a lesson inside the
// folder the program ships its lessons in.
#include <iosfwd>
#include <string>
#include <vector>

namespace quorbel::cli {

int CheckLessonCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);

}  // namespace quorbel::cli
