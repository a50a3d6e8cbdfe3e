// The date services: the locale's date layout, date texts read in it, and
// the Thai setting's reference year with texts moved between the Gregorian
// and the Buddhist-era calendar.
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>

#include "host/BaseRuntimeFixture.h"
#include "services/VOKImmDate.h"

namespace {

// English placeholders dd, mm and yyyy from memory, outside a Thai setting,
// today fixed to 4 December 2026.
class ServicesDateTest : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    SetEnv("VOK_DATE_LAYOUT", nullptr);
    BaseRuntimeFixture::SetUp();
    VOKHostSettings::SetThai(false, false);
    VOKHostClock::FixToday(2026, 12, 4);
    UsePlaceholders("dd", "mm", "yyyy");
  }

  static void UsePlaceholders(const std::string& day, const std::string& month,
                              const std::string& year) {
    VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = " + day + "\nMonth.Title = " + month +
                                                    "\nYear.Title = " + year + "\n");
  }

  // The layout GetLocalDate reports, with the day, month and year orders
  // after it: "dd/mm/yyyy 1 2 3".
  static std::string Layout() {
    int day = -1, month = -1, year = -1;
    VOKUnicodeString format("(not written)");
    VOKImmDate::GetLocalDate(day, month, year, &format, nullptr, nullptr, nullptr, nullptr,
                             nullptr);
    return format.ToUtf8() + " " + std::to_string(day) + " " + std::to_string(month) + " " +
           std::to_string(year);
  }

  // The time value VOKImmDate gives for text.
  static std::int64_t TimeOf(const std::string& text) {
    return VOKImmDate(VOKUnicodeString(text))._time.Gettime_t();
  }

  static void ExpectTimes(const char* layout,
                          std::initializer_list<std::pair<std::string, std::int64_t>> rows) {
    VOKHostSettings::SetDateLayout(layout);
    for (const auto& [text, time] : rows)
      EXPECT_EQ(time, TimeOf(text)) << layout << " \"" << text.substr(0, 40) << "\"";
  }

  // Midnight of a calendar day, computed without the host's time class.
  static std::int64_t Midnight(int year, unsigned month, unsigned day) {
    const std::chrono::sys_days days{std::chrono::year{year} / std::chrono::month{month} /
                                     std::chrono::day{day}};
    return static_cast<std::int64_t>(days.time_since_epoch().count()) * 86400;
  }
};

TEST_F(ServicesDateTest, EachLocaleWritesItsShortDateWithTheCatalogPlaceholders) {
  const std::pair<const char*, const char*> rows[] = {{"de_DE", "dd.mm.yyyy 1 2 3"},
                                                      {"th_TH", "dd/mm/yyyy 1 2 3"},
                                                      {"en_GB", "dd/mm/yyyy 1 2 3"},
                                                      {"en_US", "mm/dd/yyyy 2 1 3"}};
  for (const auto& [locale, layout] : rows) {
    VOKHostSettings::SetLocale(locale);
    EXPECT_EQ(layout, Layout()) << locale;
  }
  VOKHostSettings::SetLocale("fr_FR");
  UsePlaceholders("jj", "mm", "aaaa");
  EXPECT_EQ("jj/mm/aaaa 1 2 3", Layout());
  UsePlaceholders("[ d ]", "~M~", "[yy]");
  EXPECT_EQ("d/M/yy 1 2 3", Layout());
  VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = dd\nMonth.Title = mm\n");
  EXPECT_EQ(" 0 0 0", Layout()) << "no year placeholder";
}

TEST_F(ServicesDateTest, TheSettingsLayoutIsReportedVerbatim) {
  const std::pair<std::string, const char*> rows[] = {
      {"[dd]/[mm]/[yyyy]", "1 2 3"},
      {"[ ]/[ ]/[ ]", "0 0 0"},
      {"", "0 0 0"},
      {"yyyy-mm-dd", "3 2 1"},
      {"~mm~ yyyy", "0 1 2"},
      {"dd.mm.yy", "1 2 0"},  // "yy" is no placeholder next to "yyyy"
  };
  for (const auto& [layout, orders] : rows) {
    VOKHostSettings::SetDateLayout(layout.c_str());
    EXPECT_EQ(layout + " " + orders, Layout());
  }
}

TEST_F(ServicesDateTest, RealCalendarDatesAreReadAtMidnight) {
  ExpectTimes("mm/dd/yyyy", {{"01/01/1970", 0},
                             {"1/5/2024", Midnight(2024, 1, 5)},
                             {"02/29/2000", Midnight(2000, 2, 29)},
                             {"12/31/9999", Midnight(9999, 12, 31)},
                             {"01/01/0001", Midnight(1, 1, 1)}});
}

TEST_F(ServicesDateTest, ImpossibleDatesAndTextsThatDoNotFitTheLayoutGiveNoTime) {
  VOKHostSettings::SetDateLayout("mm/dd/yyyy");
  const std::string texts[] = {
      "02/29/1900", "04/31/2024", "13/01/2024", "00/10/2024", "01/00/2024", "01/01/0000", "",
      "12-25-2024", "12/25/20245", "123/25/2024", "12/25/24", "12/25", "12/25/2024/", "12/25/20x4",
      " 12/25/2024", "12/25/2024 ", "+1/25/2024",
      // outside a Thai setting only ASCII digits count; nothing else may stand in for a separator
      "\u0E51\u0E52/25/2024", "\uFF11\uFF12/25/2024", "12\u221525\u22152024", "\xFF\xFE/25/2024",
      std::string(200000, '1'), std::string(100000, '/')};
  for (const std::string& text : texts) EXPECT_EQ(-1, TimeOf(text)) << text.substr(0, 40);
}

TEST_F(ServicesDateTest, ThaiDigitsReadAsAsciiOnesInTheThaiSetting) {
  VOKHostSettings::SetThai(true, true);
  ExpectTimes("dd/mm/yyyy",
              {{"\u0E52\u0E55/\u0E51\u0E52/\u0E52\u0E50\u0E52\u0E54", Midnight(2024, 12, 25)},
               {"\u0E52\u0E55/12/2\u0E50\u0E52\u0E54", Midnight(2024, 12, 25)},
               {"\u0E55/\u0E51/\u0E52\u0E50\u0E52\u0E54", Midnight(2024, 1, 5)},
               {"\u0E53\u0E50/\u0E50\u0E52/\u0E52\u0E50\u0E52\u0E54", -1},
               {"\uFF12\uFF15/12/2024", -1}});
}

TEST_F(ServicesDateTest, TheLayoutDecidesOrderSeparatorsAndDecoration) {
  ExpectTimes("dd.mm.yyyy",
              {{"4.7.2021", Midnight(2021, 7, 4)}, {"24/12/2024", -1}, {"12.24.2024", -1}});
  ExpectTimes("yyyy-mm-dd", {{"2024-12-24", Midnight(2024, 12, 24)}, {"24-12-2024", -1}});
  // Without separators the longest day that leaves a readable rest is taken.
  ExpectTimes("ddmmyyyy",
              {{"25122024", Midnight(2024, 12, 25)}, {"2512024", Midnight(2024, 1, 25)}});
  ExpectTimes("~ dd ~ . ~ mm ~ . ~ yyyy ~", {{"25.12.2024", Midnight(2024, 12, 25)}});
  VOKHostSettings::Reload();
  VOKHostSettings::SetLocale("de_DE");  // without a settings layout, the locale's
  EXPECT_EQ(Midnight(2024, 12, 24), TimeOf("24.12.2024"));
  EXPECT_EQ(-1, TimeOf("12/24/2024"));
}

TEST_F(ServicesDateTest, PlaceholderLengthsBoundTheDigits) {
  UsePlaceholders("dd", "mm", "yy");
  ExpectTimes(
      "dd/mm/yy",
      {{"01/01/70", 0}, {"31/12/69", Midnight(2069, 12, 31)}, {"25/12/2024", -1}, {"25/12/4", -1}});
  UsePlaceholders("d", "mm", "yyyy");
  ExpectTimes("mm/d/yyyy", {{"12/5/2024", Midnight(2024, 12, 5)}, {"12/25/2024", -1}});
}

TEST_F(ServicesDateTest, LayoutsWithoutEachFieldOnceReadNothing) {
  ExpectTimes("", {{"", -1}, {"12/25/2024", -1}});
  ExpectTimes("mm/dd", {{"12/25", -1}});
  ExpectTimes("dd/mm/yyyy/dd", {{"25/12/2024/25", -1}});
  VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = dd\nMonth.Title = mm\n");
  ExpectTimes("dd/mm/", {{"25/12/", -1}, {"25/12/2024", -1}});
}

// The text GetThaiReferenceDate leaves, the form it shows and the year it
// gives, as "text | shown | year".
std::string Thai(const std::string& text, const VOKTime& time = VOKTime(0)) {
  VOKUnicodeString textArg(text), shown("(old)"), year("(old)");
  VOKImmDate::GetThaiReferenceDate(textArg, time, shown, year);
  return textArg.ToUtf8() + " | " + shown.ToUtf8() + " | " + year.ToUtf8();
}

TEST_F(ServicesDateTest, ThaiTextsAreRewrittenToGregorianAndShownInTheSettingsEra) {
  struct Row {
    const char *layout, *text, *gregorian, *shownBuddhist;  // layout null: as before
  };
  const Row rows[] = {
      {nullptr, "25/12/2567", "25/12/2024", "25/12/2567"},
      {nullptr, "25/12/2024", "25/12/2024", "25/12/2567"},
      {nullptr, "01/01/2443", "01/01/1900", "01/01/2443"},  // the first year taken for Buddhist era
      {nullptr, "31/12/2442", "31/12/2442", "31/12/2985"},
      // Another shape: the first run of exactly four digits is the year.
      {nullptr, "x 12345 2567 2566", "x 12345 2024 2566", "x 12345 2567 2566"},
      // A run of digits too long for any number is no year, and no trouble.
      {nullptr, "123456789012345678901 2567", "123456789012345678901 2024",
       "123456789012345678901 2567"},
      // No four-digit year: left as it is.
      {nullptr, "25/12/67", "25/12/67", "25/12/67"},
      // Thai digits count as digits; the rewritten year keeps them.
      {nullptr, "\u0E52\u0E55/\u0E51\u0E52/\u0E52\u0E55\u0E56\u0E57",
       "\u0E52\u0E55/\u0E51\u0E52/\u0E52\u0E50\u0E52\u0E54",
       "\u0E52\u0E55/\u0E51\u0E52/\u0E52\u0E55\u0E56\u0E57"},
      // A text of the layout's shape has its year where the layout has it.
      {"mmdd/yyyy", "1225/2567", "1225/2024", "1225/2567"},
      {"[yyyy]-[mm]-[dd]", "2567-12-25", "2024-12-25", "2567-12-25"},
  };
  VOKHostSettings::SetLocale("th_TH");  // dd/mm/yyyy
  for (const Row& row : rows) {
    if (row.layout) VOKHostSettings::SetDateLayout(row.layout);
    const std::string gregorian(row.gregorian);
    VOKHostSettings::SetThai(true, true);
    EXPECT_EQ(gregorian + " | " + row.shownBuddhist + " | 2569", Thai(row.text));
    VOKHostSettings::SetThai(true, false);
    EXPECT_EQ(gregorian + " | " + gregorian + " | 2026", Thai(row.text));
  }
}

TEST_F(ServicesDateTest, ShowingAPickedThaiDateLeavesItsTextAndGivesTheDisplayedForm) {
  VOKHostSettings::SetLocale("th_TH");
  VOKHostSettings::SetThai(true, true);
  EXPECT_EQ("07/04/2021 | 07/04/2564 | 2569", Thai("07/04/2021", VOKTime(Midnight(2021, 4, 7))));
  VOKHostClock::FixToday(2025, 1, 1);
  EXPECT_EQ(" |  | 2568", Thai(""));
  // Outside a Thai setting nothing is shown in the Buddhist era.
  VOKHostSettings::SetThai(false, true);
  EXPECT_EQ("25/12/2024 | 25/12/2024 | 2025", Thai("25/12/2567"));
}

TEST_F(ServicesDateTest, ThaiTwoDigitYearsHugeAndIllFormedTextsAreSurvived) {
  VOKHostSettings::SetLocale("th_TH");
  VOKHostSettings::SetThai(true, true);
  EXPECT_TRUE(Thai("2567" + std::string(50000, '/')).starts_with("2024" + std::string(50000, '/')));
  EXPECT_TRUE(Thai("\xFF/12/2567").starts_with("\uFFFD/12/2024 | "));
  UsePlaceholders("dd", "mm", "yy");
  VOKHostSettings::SetDateLayout("ddmm/yy");
  // "2512" is not the year, though it would pass for a Buddhist-era one.
  EXPECT_EQ("2512/67 | 2512/67 | 2569", Thai("2512/67"));
}

}  // namespace
