// File: ToolkitText.cpp
#include <vector>

#include "base_runtime/VOKMsgCatalog.h"
#include "front_end/layout/VOKToolkitText.h"

namespace vok::window {

std::string Text(const char* key, const char* fallback, std::initializer_list<std::string> params) {
  const std::vector<VOKUnicodeString> values(params.begin(), params.end());
  return VOKMsgCatalog::BuildMessage("VOKDlgToolkit", key, values.data(),
                                     static_cast<int>(values.size()), fallback)
      .ToUtf8();
}

std::string OKLabel() { return Text("OK", "OK"); }

std::string CancelLabel() { return Text("Cancel", "Cancel"); }

}  // namespace vok::window
