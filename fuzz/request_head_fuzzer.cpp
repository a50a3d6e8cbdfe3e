// File: request_head_fuzzer.cpp
// The bytes a connection sends before its request is parsed, any bytes at
// all. The head the gate finds ends with a blank line, lies within what
// was received, and no shorter start of it is a head already.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "web_front_end/ConnectionGate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view received(reinterpret_cast<const char*>(data), size);
  const std::size_t length = vok::web::RequestHeadLength(received);
  if (length == 0) return 0;
  if (length > size || length < 2 || received[length - 1] != '\n') __builtin_trap();
  const bool blank = received[length - 2] == '\n' ||
                     (length >= 3 && received[length - 2] == '\r' && received[length - 3] == '\n');
  if (!blank || vok::web::RequestHeadLength(received.substr(0, length - 1)) != 0) __builtin_trap();
  return 0;
}
