// File: DateLayout.h
// The host's date layout in the forms its date services ask for: the text
// as the host gives it, and its pieces.
#pragma once

#include <optional>
#include <string>

#include "base_runtime/DateLayoutShape.h"

namespace vok {

struct DateLayout {
  std::string text;       // as the host gives it, decoration included; "" when unknown
  DateLayoutShape shape;  // the text without decoration, split into placeholders and literals
  DatePlaceholders placeholders;  // those the text was read with
};

// The given layout (VOK_DATE_LAYOUT or a test's) when there is one, else
// the one derived from ICU's short date pattern of localeName; either is
// read with the catalog placeholders of language.
DateLayout MakeDateLayout(const std::optional<std::string>& given, const std::string& localeName,
                          const std::string& language);

}  // namespace vok
