// File: DateLayout.cpp
#include "base_runtime/DateLayout.h"

#include "base_runtime/DatePlaceholders.h"
#include "base_runtime/IcuDateLayout.h"
#include "base_runtime/Utf8Text.h"

namespace vok {

DateLayout MakeDateLayout(const std::optional<std::string>& given, const std::string& localeName,
                          const std::string& language) {
  DateLayout layout;
  layout.placeholders = ReadDatePlaceholders(language);
  layout.text =
      given ? *given
            : VOKEncodeUtf8(LayoutFromPattern(ShortDatePattern(localeName), layout.placeholders));
  layout.shape = SplitLayout(StripDecoration(VOKDecodeUtf8(layout.text)), layout.placeholders);
  return layout;
}

}  // namespace vok
