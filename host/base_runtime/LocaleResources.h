// File: LocaleResources.h
// Calendar data read straight from ICU's locale resource bundles, without
// ICU's formatters: a date formatter builds a calendar, a time zone and a
// number format to answer a question a few table lookups answer, and that
// cost a program's start dearly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vok {

// The strings at a slash-separated path of keys ("calendar/gregorian/
// monthNames/format/wide") in the locale's bundle, or in the nearest bundle
// up its parent chain (a declared parent, else the name cut at its last
// '_', and "root" last) that holds the path, in UTF-8. A single string
// gives one entry; an array entry that is itself an array gives its first
// string. Empty when no bundle of the chain holds the path.
std::vector<std::string> LocaleStrings(const std::string& localeName, std::string_view path);

// The calendar the locale's region prefers ("gregorian", "buddhist"), from
// the supplemental calendar preferences; the world's preference when the
// region has none of its own.
std::string PreferredCalendar(const std::string& localeName);

}  // namespace vok
