// File: TextWrap.h
// Internal to the front end: a line of text broken into lines of at most
// a number of columns, at blanks where it can, inside a word where a word
// is longer than a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vok::text {

std::vector<std::string> Wrap(std::string_view utf8, int columns);

}  // namespace vok::text
