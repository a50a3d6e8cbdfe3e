// File: VOKToolkitText.h
// The toolkit's own words (its window buttons, the web page's notices),
// from its message catalog "VOKDlgToolkit", so that a language can name
// them; the English words are the fallback.
#pragma once

#include <initializer_list>
#include <string>

#include "front_end/FrontEndExport.h"

namespace vok::window {

// A text of the toolkit's catalog, its parameters in the places %1,
// %2...; the fallback when the catalog lacks it.
VOK_FRONTEND_API std::string Text(const char* key, const char* fallback,
                                  std::initializer_list<std::string> params = {});

// The words of a window's own buttons.
VOK_FRONTEND_API std::string OKLabel();
VOK_FRONTEND_API std::string CancelLabel();

}  // namespace vok::window
