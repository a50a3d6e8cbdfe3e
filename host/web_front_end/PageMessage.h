// File: PageMessage.h
// Internal to the web front end. What the page sends: one person's key,
// character or click, as a small JSON object, with the number of the
// event stream the page listens to (so that a tab another one took over
// is told so):
//   {"stream": 3, "kind": "key", "key": "Tab"}    a VOKKey by its name
//   {"stream": 3, "kind": "char", "text": "7"}    one printable character
//   {"stream": 3, "kind": "click", "x": 4, "y": 2}
//   {"stream": 3, "kind": "double", "x": 4, "y": 2}
//   {"stream": 3, "kind": "quit"}
// Cells are counted as on the screen the page was described with.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "front_end/session/VOKFrontEndScreen.h"
#include "web_front_end/WebFrontEndExport.h"

namespace vok::web {

// Longer messages are refused unread.
inline constexpr std::size_t kMaxMessageBytes = 512;
// Cells past this are outside any screen the page is given.
inline constexpr int kMaxCell = 1000;

struct PageMessage {
  long stream = 0;
  VOKInputEvent event;
};

// The message, or why it was refused (a sentence for the page to show).
struct DecodedMessage {
  std::optional<PageMessage> message;
  std::string error;
};

VOK_WEB_FRONTEND_API DecodedMessage DecodeMessage(std::string_view body);

}  // namespace vok::web
