// File: ThaiDateText.h
// The two directions in which date text crosses a Thai host: a text as a
// field shows it (possibly with a Buddhist-era year) made readable for the
// module's Gregorian parsing, and a date the module formatted made into
// the text the field shows. Outside a Thai setting both leave the text as
// it is. Not exported.
#pragma once

#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"

namespace vok_module {

// The Gregorian form of a date text; a Gregorian text comes back unchanged.
VOKUnicodeString ReadableDateText(const VOKUnicodeString& text);

// The text a field shows for date, which the module wrote as text.
VOKUnicodeString ShownDateText(const VOKUnicodeString& text, const VOKTime& date);

}  // namespace vok_module
