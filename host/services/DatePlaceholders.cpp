// File: DatePlaceholders.cpp
#include "services/DatePlaceholders.h"

#include "base_runtime/VOKMsgCatalog.h"
#include "services/DateText.h"

namespace vok::services {
namespace {

std::u32string ReadPlaceholder(const char* key) {
  const VOKUnicodeString text = VOKMsgCatalog::BuildMessage("VOKImmDate", key, nullptr, 0, "");
  return StripDecoration(ToCodePoints(text.ToUtf8()));
}

}  // namespace

DatePlaceholders ReadDatePlaceholders() {
  return {ReadPlaceholder("Day.Title"), ReadPlaceholder("Month.Title"), ReadPlaceholder("Year.Title")};
}

}  // namespace vok::services
