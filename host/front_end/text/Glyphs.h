// File: Glyphs.h
// Internal to the front end: the glyphs of a text (see VOKTextGlyphs),
// split once and kept, so that painting the same labels again, key after
// key, splits nothing.
#pragma once

#include <string_view>
#include <vector>

#include "front_end/text/VOKCellText.h"

namespace vok::text {

// The glyphs of utf8; the reference holds until this thread's next call.
const std::vector<VOKGlyph>& Glyphs(std::string_view utf8);

}  // namespace vok::text
