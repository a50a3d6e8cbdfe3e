// File: CurrentDateLayout.h
// The host's date layout right now: the settings' override when there is
// one, else the layout derived from the locale, written with the catalog's
// placeholders.
#pragma once

#include <string>

#include "services/DateLayoutShape.h"
#include "services/DatePlaceholders.h"

namespace vok::services {

// The placeholders (as ReadDatePlaceholders gives them), the layout and its
// shape now. Derived once and kept until the settings, the environment
// behind them or the catalogs change; the reference is valid until the
// next call.
struct CurrentLayout {
  DatePlaceholders placeholders;
  std::u32string layout;   // as the host gives it, decoration included; "" when unknown
  std::string layoutUtf8;  // the same, as UTF-8
  std::u32string bare;     // the layout without its decoration
  DateLayoutShape shape;   // the bare layout split into its pieces
  std::string fullWidth;   // FullWidthPattern of the shape
};
const CurrentLayout& CurrentDateLayoutNow();

}  // namespace vok::services
