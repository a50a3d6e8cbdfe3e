// The calendar for date text: the formats it reads at construction, the
// example it gives, and its judgement and conversion of text that users
// type, in any script.
#include <cstdlib>

#include "datepicker/calendar_test_support.h"

namespace {

constexpr int kFormat = 0;  // VOKQELNavCalendarUI::INVALID_FORMAT
constexpr int kValue = 1;   // INVALID_VALUE
constexpr int kValid = 2;   // VALID_DATE

struct TextRow {
  const char* text;
  int expected;
  const char* date = "";  // year-month-day of a valid text
};

// Year-month-day, with the seconds past midnight when there are any.
std::string Written(const VOKTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%d-%02d-%02d", time.GetYear(), time.GetMonth(), time.GetDay());
  const auto seconds = time.Gettime_t() % 86400;
  return text + (seconds == 0 ? "" : " +" + std::to_string(seconds) + "s");
}

class CalendarTextTest : public CalendarFixture {
 protected:
  // Each text judged three ways; only a date is converted into the time.
  void ExpectJudged(const std::vector<TextRow>& rows) {
    VOKQELNavCalendarUI calendar;
    for (const TextRow& row : rows) {
      VOKTime time(777);
      EXPECT_EQ(row.expected, calendar.validateDate(row.text)) << '"' << row.text << '"';
      EXPECT_EQ(row.expected == kValid ? 1 : 0, calendar.isDateValid(row.text)) << row.text;
      EXPECT_EQ(row.expected, calendar.ConvertToVOKTime(row.text, time)) << row.text;
      EXPECT_EQ(row.expected == kValid ? row.date : "1970-01-01 +777s", Written(time)) << row.text;
    }
  }
};

TEST_F(CalendarTextTest, JudgesTypedTextAgainstMonthDayYear) {
  ExpectJudged({
      {"", kFormat},
      {"1/5/2024", kFormat},     // too short
      {"12/25/20245", kFormat},  // too long
      {" 12/25/2024", kFormat},  // nothing is trimmed
      {"12-25-2024", kFormat},   // wrong separators
      {"12/25/20x4", kFormat},   // a letter among the digits
      {"1:/25/2024", kFormat},   // the characters either side of the digits
      {"12//5/2024", kFormat},
      {"MM/DD/YYYY", kFormat},  // placeholders in the wrong case
      {"12\u2215"
       "25/2024",
       kFormat},               // a slash look-alike
      {"mm/dd/yyyy", kValue},  // the right shape, no date
      {"12125/2024", kValue},  // a digit in place of a separator
      {"13/01/2024", kValue},
      {"02/29/2023", kValue},
      // Digits of other scripts have the shape but are no date for the host.
      {"\u0E51\u0E52/25/2024", kValue},            // Thai digits for the month
      {"12/25/\u0662\u0660\u0662\u0664", kValue},  // Arabic-Indic year
      {"\uFF11\uFF12/25/2024", kValue},            // full-width digits
      {"02/29/2024", kValid, "2024-02-29"},        // leap day
      {"01/01/2100", kValid, "2100-01-01"},        // the host, not the calendar, bounds years
  });
}

TEST_F(CalendarTextTest, JudgesTextAgainstOtherLayouts) {
  UseLayout("dd.mm.yyyy");
  ExpectJudged(
      {{"25.12.2024", kValid, "2024-12-25"}, {"12/25/2024", kFormat}, {"31.04.2024", kValue}});
  UseLayout("[dd].[mm].[yyyy]");
  ExpectJudged(
      {{"29.02.2024", kValid, "2024-02-29"}, {"29.02.2023", kValue}, {"[29].02.2024", kFormat}});
  UseLayout("mm/dd/yy", "dd", "mm", "yy");
  ExpectJudged({{"12/25/24", kValid, "2024-12-25"}, {"12/25/2024", kFormat}});
  // Non-ASCII separators take ASCII digits between them.
  UseLayout("yyyy\u5E74mm\u6708dd\u65E5");
  ExpectJudged({{"2024\u5E7412\u670825\u65E5", kValid, "2024-12-25"},
                {"2024\u5E7402\u670830\u65E5", kValue},
                {"2024/12/25", kFormat},
                {"2024\u5E7412\u6708", kFormat}});
  UseLayout("");
  ExpectJudged({{"", kFormat}, {"12/25/2024", kFormat}});
  UseLayout("//");
  ExpectJudged({{"12/25/2024", kFormat}});
}

// Under VOKNlsTest, set even to nothing, text must have the shape
// mm/dd/yyyy, while the host still converts it in the locale's layout.
TEST_F(CalendarTextTest, FormatsAndNlsTestAreReadOnceAtConstruction) {
  VOKQELNavCalendarUI calendar;
  UseLayout("dd.mm.yyyy");
  setenv("VOKNlsTest", "", 1);
  VOKQELNavCalendarUI underNlsTest;
  unsetenv("VOKNlsTest");
  VOKQELNavCalendarUI copy(calendar);
  EXPECT_EQ("%m/%d/%Y", copy.getDateFormat().ToUtf8());
  EXPECT_EQ(kFormat, copy.validateDate("25.12.2024"));
  EXPECT_EQ("%d.%m.%Y", underNlsTest.getDateFormat().ToUtf8());
  EXPECT_EQ(kFormat, underNlsTest.validateDate("25.12.2024"));
  EXPECT_EQ(kValue, underNlsTest.validateDate("12/25/2024"));
  EXPECT_EQ(kValid, VOKQELNavCalendarUI().validateDate("25.12.2024"));
}

// Shape and reading come from one locale: the one of the construction.
TEST_F(CalendarTextTest, DatesAreReadInTheLocaleTheCalendarWasBuiltIn) {
  VOKQELNavCalendarUI english;
  UseLayout("dd.mm.yyyy");
  VOKHostSettings::SetThai(true, true);
  VOKTime time(777);
  EXPECT_EQ(kValid, english.ConvertToVOKTime("12/25/2024", time));
  EXPECT_EQ("2024-12-25", Written(time));
  EXPECT_EQ(kValue, english.validateDate("\u0E51\u0E52/25/2024"));  // no Thai digits in English
  VOKQELNavCalendarUI thai;
  EXPECT_EQ(kValid, thai.ConvertToVOKTime("\u0E52\u0E55.12.2024", time));
  EXPECT_EQ("2024-12-25", Written(time));
}

TEST_F(CalendarTextTest, ConversionFormatAndTodaysExample) {
  struct Row {
    const char* layout;
    const char* year;
    const char* format;
    const char* example;
  };
  const Row rows[] = {
      {"dd.mm.yyyy", "yyyy", "%d.%m.%Y", "04.12.2026"},
      {"~ dd ~-mm-yyy", "yyy", "%d-%m-%Y", "04-12-2026"},
      {"mm/dd/yy", "yy", "%m/%d/%y", "12/04/26"},
      {"mm/dd/[y]", "[y]", "%m/%d/%y", "12/04/26"},
      {"yyyy\u5E74mm\u6708dd\u65E5", "yyyy", "%Y\u5E74%m\u6708%d\u65E5",
       "2026\u5E7412\u670804\u65E5"},
      {"", "yyyy", "", ""},
      {"//", "yyyy", "//", "//"},
  };
  for (const Row& row : rows) {
    UseLayout(row.layout, "dd", "mm", row.year);
    VOKQELNavCalendarUI calendar;
    EXPECT_EQ(row.format, calendar.getDateFormat().ToUtf8()) << row.layout;
    EXPECT_EQ(row.example, calendar.getDateExample().ToUtf8()) << row.layout;
  }
}

TEST_F(CalendarTextTest, ThaiExampleIsTheReadableGregorianText) {
  VOKHostSettings::SetThai(true, true);
  EXPECT_EQ("12/04/2026", VOKQELNavCalendarUI().getDateExample().ToUtf8());
}

TEST_F(CalendarTextTest, ThaiDigitsGiveTheDateOfAsciiOnesInTheThaiSetting) {
  VOKHostSettings::SetThai(true, true);
  VOKQELNavCalendarUI calendar;
  VOKTime ascii(12345);
  VOKTime thai(12345);
  EXPECT_EQ(kValid, calendar.ConvertToVOKTime("12/25/2024", ascii));
  EXPECT_EQ(kValid,
            calendar.ConvertToVOKTime("\u0E51\u0E52/\u0E52\u0E55/\u0E52\u0E50\u0E52\u0E54", thai));
  EXPECT_EQ(ascii, thai);
  EXPECT_EQ(kValue, calendar.validateDate("\u0E51\u0E53/\u0E52\u0E55/\u0E52\u0E50\u0E52\u0E54"));
}

TEST_F(CalendarTextTest, BindsToAnEditorItNeitherOwnsNorTouches) {
  VOKDlgEditor editor(nullptr, "Field", 0);
  editor.SetText("kept", 0);
  {
    VOKQELNavCalendarUI calendar;
    calendar.SetEditor(&editor);
    EXPECT_EQ(&editor, VOKQELNavCalendarUI(calendar).GetEditor());
  }
  EXPECT_EQ("kept", editor.GetText().ToUtf8());
}

TEST_F(CalendarTextTest, UsesTheDatePickersResources) {
  VOKQELNavCalendarUI calendar;
  VOKImmQELObjCreateDate created(static_cast<VOKDialog*>(nullptr));
  VOKDlgDialog plain(nullptr, "Plain", 0);
  for (int level : {-1, 0}) {
    EXPECT_EQ("VOKPLMDlgDate", calendar.GetResourceFilename(level).str());
    EXPECT_EQ("VOKPLMDlgDate", created.GetResourceFilename(level).str());
  }
  EXPECT_EQ(plain.GetResourceFilename(0).str(), calendar.GetResourceFilename(1).str());
}

}  // namespace
