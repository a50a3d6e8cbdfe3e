// File: strip_nls_fuzzer.cpp
// StripNLS on any text: the result is the text without "[", "~", "]" and
// blanks, everything else kept in order, and stripping again changes
// nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "date_dialog/VOKPLMDlgDate.h"
#include "fuzz/FuzzHost.h"

namespace {

bool IsDecoration(char byte) { return byte == '[' || byte == '~' || byte == ']' || byte == ' '; }

// Decoration characters are ASCII and never part of a longer UTF-8
// sequence, so dropping their bytes is dropping the characters.
std::string WithoutDecoration(const std::string& utf8) {
  std::string kept;
  for (char byte : utf8) {
    if (!IsDecoration(byte)) kept += byte;
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vok_fuzz::PrepareHost();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  VOKUnicodeString text(bytes);
  const std::string expected = WithoutDecoration(text.ToUtf8());

  VOKPLMDlgDate::StripNLS(text);
  if (text.ToUtf8() != expected) vok_fuzz::Fail("StripNLS kept or lost a character", expected);
  if (text.GetLengthInChar() != VOKUnicodeString(expected).GetLengthInChar()) {
    vok_fuzz::Fail("StripNLS miscounts characters", expected);
  }
  VOKPLMDlgDate::StripNLS(text);
  if (text.ToUtf8() != expected) vok_fuzz::Fail("StripNLS is not idempotent", expected);
  vok_fuzz::FinishInput();
  return 0;
}
