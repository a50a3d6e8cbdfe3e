// File: web_message_fuzzer.cpp
// A page's message to the web front end, any bytes at all. Each one is
// either an input event with values a session can take, or refused with a
// reason; never both, never neither.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "web_front_end/PageMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const vok::web::DecodedMessage decoded = vok::web::DecodeMessage(body);
  if (decoded.message.has_value() == !decoded.error.empty()) __builtin_trap();
  if (!decoded.message) return 0;
  const VOKInputEvent& event = decoded.message->event;
  const bool onScreen =
      event.x >= 0 && event.x < vok::web::kMaxCell && event.y >= 0 && event.y < vok::web::kMaxCell;
  if (!onScreen || decoded.message->stream < 0 || size > vok::web::kMaxMessageBytes)
    __builtin_trap();
  if (event.kind == VOKInputEvent::Kind::Character && event.character < U' ') __builtin_trap();
  return 0;
}
