// File: CurrentDateLayout.h
// The host's date layout right now: the settings' override when there is
// one, else the layout derived from the locale.
#pragma once

#include <string>

#include "services/DateLayoutShape.h"
#include "services/DatePlaceholders.h"

namespace vok::services {

// As the host gives it, decoration included; "" when unknown.
std::u32string CurrentDateLayout(const DatePlaceholders& placeholders);

// The same layout without its decoration, split into its pieces.
DateLayoutShape CurrentDateLayoutShape(const DatePlaceholders& placeholders);

// The placeholders, the layout and its shape as the three calls above give
// them now. Derived once and kept until the locale, the layout override or
// the catalogs change; the reference is valid until the next call.
struct CurrentLayout {
  DatePlaceholders placeholders;
  std::u32string layout;   // decoration included
  std::string layoutUtf8;  // the same, as UTF-8
  std::u32string bare;     // the layout without its decoration
  DateLayoutShape shape;   // of the bare layout
  std::string fullWidth;   // FullWidthPattern of the shape
};
const CurrentLayout& CurrentDateLayoutNow();

}  // namespace vok::services
