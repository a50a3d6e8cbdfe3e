// File: DemoText.h
// Texts of the example host's own catalog, "VOKDemoSearch". A missing key
// shows as the key itself, so that a gap in a translation is visible.
#pragma once

#include <initializer_list>

#include "base_runtime/VOKUnicodeString.h"

namespace vok_demo {

VOKUnicodeString DemoText(const char* key, std::initializer_list<VOKUnicodeString> params = {});

}  // namespace vok_demo
