// File: DemoText.cpp
#include "demo/DemoText.h"

#include <vector>

#include "base_runtime/VOKMsgCatalog.h"

namespace vok_demo {

VOKUnicodeString DemoText(const char* key, std::initializer_list<VOKUnicodeString> params) {
  const std::vector<VOKUnicodeString> values(params);
  return VOKMsgCatalog::BuildMessage("VOKDemoSearch", key, values.data(),
                                     static_cast<int>(values.size()), key);
}

}  // namespace vok_demo
