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

}  // namespace vok::services
