// File: lsan_canary.cpp
// Leaks one block on purpose. The sanitizer build passes this program only
// when LeakSanitizer reports the block, which shows that leak checking is
// really on (not switched off by the options or by a sandbox that denies
// it the tracing it needs) for every other test of the same run.
#include <cstdio>

namespace {
char* volatile gBlock = nullptr;
}

int main() {
  gBlock = new char[64];
  std::snprintf(gBlock, 64, "leaked on purpose");
  gBlock = nullptr;
  return 0;
}
