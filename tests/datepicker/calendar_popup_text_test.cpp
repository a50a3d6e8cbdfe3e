// The calendar for date text: the formats it reads at construction, the
// example it gives, and its judgement of text that users type.
#include "datepicker/calendar_test_support.h"

using calendar_test::ScopedEnv;

namespace {

constexpr int kFormat = 0;  // VOKQELNavCalendarUI::INVALID_FORMAT
constexpr int kValue = 1;   // INVALID_VALUE
constexpr int kValid = 2;   // VALID_DATE

struct TextRow {
  const char* text;
  int expected;
};

class CalendarTextTest : public CalendarFixture {
 protected:
  void ExpectJudged(const std::vector<TextRow>& rows) {
    VOKQELNavCalendarUI calendar;
    for (const TextRow& row : rows) {
      EXPECT_EQ(row.expected, calendar.validateDate(row.text)) << '"' << row.text << '"';
      EXPECT_EQ(row.expected == kValid ? 1 : 0, calendar.isDateValid(row.text)) << row.text;
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
      {"MM/DD/YYYY", kFormat},   // placeholders in the wrong case
      {"mm/dd/yyyy", kValue},    // the right shape, no date
      {"12125/2024", kValue},    // a digit in place of a separator
      {"13/01/2024", kValue},
      {"02/29/2023", kValue},
      {"02/29/2024", kValid},  // leap day
      {"01/01/2100", kValid},  // the host, not the calendar, bounds years
  });
}

TEST_F(CalendarTextTest, JudgesTextAgainstOtherLayouts) {
  UseLayout("dd.mm.yyyy");
  ExpectJudged({{"25.12.2024", kValid}, {"12/25/2024", kFormat}, {"31.04.2024", kValue}});
  UseLayout("[dd]/[mm]/[yyyy]");
  ExpectJudged({{"25/12/2024", kValid}, {"[25]/[12]/[2024]", kFormat}});
  UseLayout("mm/dd/yy", "dd", "mm", "yy");
  ExpectJudged({{"12/25/24", kValid}, {"12/25/2024", kFormat}});
  UseLayout("");
  ExpectJudged({{"", kFormat}, {"12/25/2024", kFormat}});
  UseLayout("//");
  ExpectJudged({{"12/25/2024", kFormat}});
}

TEST_F(CalendarTextTest, NlsTestDemandsMonthDayYearShapeButKeepsLocaleConversion) {
  UseLayout("dd.mm.yyyy");
  ScopedEnv nlsTest("VOKNlsTest", "");
  VOKQELNavCalendarUI calendar;
  EXPECT_EQ("%d.%m.%Y", calendar.getDateFormat().ToUtf8());
  EXPECT_EQ(kFormat, calendar.validateDate("25.12.2024"));
  // The shape passes; the host still reads the locale's layout.
  EXPECT_EQ(kValue, calendar.validateDate("12/25/2024"));
}

TEST_F(CalendarTextTest, FormatsAreReadOnceAtConstruction) {
  VOKQELNavCalendarUI calendar;
  UseLayout("dd.mm.yyyy");
  std::optional<ScopedEnv> nlsTest;
  nlsTest.emplace("VOKNlsTest", "1");
  VOKQELNavCalendarUI underNlsTest;
  nlsTest.reset();
  VOKQELNavCalendarUI copy(calendar);
  EXPECT_EQ("%m/%d/%Y", copy.getDateFormat().ToUtf8());
  EXPECT_EQ(kFormat, copy.validateDate("25.12.2024"));
  EXPECT_EQ("%d.%m.%Y", underNlsTest.getDateFormat().ToUtf8());
  EXPECT_EQ(kFormat, underNlsTest.validateDate("25.12.2024"));
  EXPECT_EQ(kValid, VOKQELNavCalendarUI().validateDate("25.12.2024"));
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

TEST_F(CalendarTextTest, ConvertToVOKTimeSetsTheTimeOnlyForDates) {
  UseLayout("[dd].[mm].[yyyy]");
  VOKQELNavCalendarUI calendar;
  VOKTime time(12345);
  EXPECT_EQ(kValid, calendar.ConvertToVOKTime("29.02.2024", time));
  EXPECT_EQ(VOKTime(2024, 2, 29, 0, 0, 0, 0), time);
  for (const char* text : {"", "29.02.2023", "[29].02.2024"}) {
    VOKTime untouched(12345);
    EXPECT_NE(kValid, calendar.ConvertToVOKTime(text, untouched)) << text;
    EXPECT_EQ(12345, untouched.Gettime_t()) << text;
  }
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
