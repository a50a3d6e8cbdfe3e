// The host reads a locale's short date pattern and calendar names straight
// from ICU's resource bundles; ICU's own formatters, which build whole
// calendars to say the same, are the reference here.
#include <gtest/gtest.h>
#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uloc.h>

#include <memory>
#include <string>
#include <vector>

#include "base_runtime/CalendarNames.h"
#include "base_runtime/IcuDateLayout.h"
#include "base_runtime/Utf8Text.h"

namespace {

std::string Utf8(const icu::UnicodeString& text) {
  std::string out;
  return text.toUTF8String(out);
}

std::string FormatterPattern(const std::string& localeName) {
  const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(
      icu::DateFormat::kShort, icu::Locale(localeName.c_str())));
  icu::UnicodeString pattern;
  dynamic_cast<const icu::SimpleDateFormat&>(*format).toPattern(pattern);
  return Utf8(pattern);
}

template <std::size_t N>
std::vector<std::string> Copy(const icu::UnicodeString* names, int32_t count, int32_t first) {
  std::vector<std::string> out;
  for (int32_t i = first; i < count && out.size() < N; ++i) out.push_back(Utf8(names[i]));
  return out;
}

template <std::size_t N>
std::vector<std::string> Copy(const std::array<std::string, N>& names) {
  return {names.begin(), names.end()};
}

// Every locale ICU has for the host's languages, and territories ICU has
// no data for, which fall back to the language.
std::vector<std::string> HostLocales() {
  std::vector<std::string> names{"de_999", "en_ZZ", "fr_419", "th_001"};
  for (int32_t i = 0; i < uloc_countAvailable(); ++i) {
    const std::string name = uloc_getAvailable(i);
    const std::string language = name.substr(0, name.find('_'));
    if (name.find('_') != std::string::npos &&
        (language == "en" || language == "de" || language == "fr" || language == "th"))
      names.push_back(name);
  }
  return names;
}

TEST(LocaleData, ShortDatePatternIsTheFormattersForEveryHostLocale) {
  for (const std::string& name : HostLocales())
    EXPECT_EQ(FormatterPattern(name), VOKEncodeUtf8(vok::ShortDatePattern(name))) << name;
  // The Buddhist calendar that Thailand prefers, and a German pattern, spelled out.
  EXPECT_EQ(U"d/M/yy", vok::ShortDatePattern("th_TH"));
  EXPECT_EQ(U"dd.MM.yy", vok::ShortDatePattern("de_DE"));
}

TEST(LocaleData, CalendarNamesAreTheFormattersGregorianNamesForEveryHostLocale) {
  using Width = icu::DateFormatSymbols::DtWidthType;
  const auto format = icu::DateFormatSymbols::FORMAT;
  for (const std::string& name : HostLocales()) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(icu::Locale((name + "@calendar=gregorian").c_str()),
                                         status);
    ASSERT_TRUE(U_SUCCESS(status)) << name;
    const vok::CalendarNames names = vok::LoadCalendarNames(name);
    int32_t count = 0;
    const icu::UnicodeString* months = symbols.getMonths(count, format, Width::WIDE);
    EXPECT_EQ(Copy<12>(months, count, 0), Copy(names.months)) << name;
    months = symbols.getMonths(count, format, Width::ABBREVIATED);
    EXPECT_EQ(Copy<12>(months, count, 0), Copy(names.abbreviatedMonths)) << name;
    // The formatter's weekdays have an unused first entry.
    const icu::UnicodeString* days = symbols.getWeekdays(count, format, Width::WIDE);
    EXPECT_EQ(Copy<7>(days, count, 1), Copy(names.weekdays)) << name;
    days = symbols.getWeekdays(count, format, Width::ABBREVIATED);
    EXPECT_EQ(Copy<7>(days, count, 1), Copy(names.abbreviatedWeekdays)) << name;
  }
}

}  // namespace
