// Years typed or stepped in the spinner: bounds, the date test in the
// locale's layout, the invalid-year message and the fallback example year.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "datepicker/calendar_test_support.h"

using calendar_test::ChooseMonth;
using calendar_test::Shown;
using calendar_test::TypeYear;
using ::testing::Contains;
using ::testing::Not;

namespace {

class YearEntryTest : public DateDialogTest {
 protected:
  // Types text into a new dialog's spinner, keeping the records traced;
  // returns what the spinner then shows, "!" before it when a message box
  // was shown.
  std::string Typed(const char* text) {
    VOKPLMDlgDate& dialog = Open();
    const std::size_t shownBefore = boxes.size();
    CaptureTrace("VOKPLMDlgDate");
    EXPECT_TRUE(TypeYear(dialog, text));
    records = TakeTrace("VOKPLMDlgDate");
    return (boxes.size() > shownBefore ? "!" : "") + YearShown(dialog);
  }

  std::vector<std::string> records;
};

}  // namespace

TEST_F(YearEntryTest, AYearInRangeIsTestedWithTheChosenMonth) {
  VOKPLMDlgDate& dialog = Open();
  ASSERT_TRUE(ChooseMonth(dialog, 3));
  CaptureTrace("VOKPLMDlgDate");
  ASSERT_TRUE(TypeYear(dialog, "1970"));
  records = TakeTrace("VOKPLMDlgDate");
  EXPECT_THAT(records, Contains("Checking with date: 03/01/1970"));
  EXPECT_THAT(records, Contains("Year \"1970\" is valid."));
}

// A Thai host has Thai bounds, and tests the Gregorian year when it shows
// the Buddhist era.
TEST_F(YearEntryTest, BoundsAndTheDateTestedFollowTheSetting) {
  const struct {
    bool thai, buddhistEra;
    const char* typed;
    const char* record;
  } rows[] = {
      {false, false, "2039", "Year \"2039\" falls outside of thresholds (1970-2038)."},
      {true, true, "2569", "Checking with date: 12/01/2026"},
      {true, true, "2569", "Year \"2026\" is valid."},
      {true, true, "2582", "Year \"2582\" falls outside of thresholds (2513-2581)."},
      {true, false, "2530", "Checking with date: 12/01/2530"},
      {true, false, "2026", "Year \"2026\" falls outside of thresholds (2513-2581)."},
      {true, false, "2026", "example year: 2513"},
  };
  for (const auto& row : rows) {
    VOKHostSettings::SetThai(row.thai, row.buddhistEra);
    Typed(row.typed);
    EXPECT_THAT(records, Contains(row.record)) << row.typed;
  }
  EXPECT_EQ("!2513", Typed("2026"));
}

TEST_F(YearEntryTest, TextAroundTheDigits) {
  const std::pair<const char*, const char*> rows[] = {{" 2030 ", "2030"},
                                                      {"2030 ]", "2030"},
                                                      {"[2030]", "!2026"},
                                                      {"", "!2026"},
                                                      {"2030x", "!2026"}};
  for (const auto& [typed, shown] : rows) {
    EXPECT_EQ(shown, Typed(typed)) << typed;
    if (shown[0] == '!') {
      EXPECT_EQ(std::string("The year ") + typed + " is not valid.", boxes.back().message);
    }
    if (std::string(typed) == "2030x") {
      EXPECT_THAT(records, Contains("Checking with date: 12/01/030x"));
      EXPECT_THAT(records, Contains("Year \"2030x\" is invalid."));
    }
  }
  Typed("2030 ]");
  EXPECT_THAT(records, Contains("VOKPLMDlgDate::isYearValid(2030 ])"));
}

TEST_F(YearEntryTest, EmptyPlaceholdersAcceptEveryReadableYear) {
  for (const char* catalog : {"Day.Title = \nMonth.Title =\nYear.Title = yyyy\n", ""}) {
    VOKMsgCatalog::LoadFromMemory("VOKImmDate", catalog);
    EXPECT_EQ("2030", Typed("2030x"));
    // Accepted without a message, but a year out of bounds is not taken.
    EXPECT_EQ("2026", Typed("1900"));
    EXPECT_THAT(records, Contains("NLS strings are blank for format.. skipping test."));
    EXPECT_TRUE(boxes.empty());
  }
}

// The records with data, in order; which methods ran is left to the
// exact sequences of the valid paths.
TEST_F(YearEntryTest, RefusedYearShowsTheMessageAndFallsBackOnTheExample) {
  Typed("1969");
  std::erase_if(records, [](const std::string& r) { return r.starts_with("VOKPLMDlgDate::"); });
  EXPECT_EQ((std::vector<std::string>{
                "className: VOKDlgSpinner", "evtName:   VOKDlgSpinnerModifyNotification",
                "Year \"1969\" falls outside of thresholds (1970-2038).",
                "errMsg:   The year 1969 is not valid.", "errTitle: Invalid year 1969",
                "longDateFormat: mm/dd/yyyy", "longDateFormat: mm/dd/yyyy",
                "shortDateFormat: %m/%d/%Y", "longDateFormat: mm/dd/yyyy",
                "Checking with date: 12/01/2026", "Year \"2026\" is valid.", "example year: 2026"}),
            records);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("Error", boxes[0].name);
  EXPECT_EQ("Invalid year 1969", boxes[0].title);
  EXPECT_EQ("The year 1969 is not valid.", boxes[0].message);
  EXPECT_EQ(host->GetChildren().back(), boxes[0].parent);
  EXPECT_EQ(0u, VOKCommand::PendingDestructions());  // the box is gone
}

TEST_F(YearEntryTest, MissingMessageKeysGiveTheDefaultTextAndAMissingBoxIsSkipped) {
  VOKMsgCatalog::LoadFromMemory("VOKZeltSheetEditor", "");
  EXPECT_EQ("!2026", Typed("2039"));
  EXPECT_EQ("InvalidYear", boxes.back().title);
  EXPECT_EQ("InvalidYear", boxes.back().message);
  boxes.clear();
  VOKAllocationFaults::FailClass("VOKDlgNotify");
  EXPECT_EQ("2026", Typed("2039"));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(YearEntryTest, SteppingAddsTheStepToTheShownYear) {
  VOKPLMDlgDate& dialog = Open();
  VOKDlgSpinner* spinner = Spinner(dialog);
  CaptureTrace("VOKPLMDlgDate");
  ASSERT_TRUE(VOKDlgUser::StepUp(spinner));
  EXPECT_EQ(
      (std::vector<std::string>{
          "VOKPLMDlgDate::ChangeYear", "VOKPLMDlgDate::GetDay", "className: VOKDlgSpinner",
          "evtName:   VOKDlgSpinnerBtnUpNotification", "VOKPLMDlgDate::isYearValid(2027)",
          "VOKPLMDlgDate::StripNLS", "VOKPLMDlgDate::getLongDateFormat", "VOKPLMDlgDate::StripNLS",
          "longDateFormat: mm/dd/yyyy", "Checking with date: 12/01/2027", "Year \"2027\" is valid.",
          "Year valid.", "VOKPLMDlgDate::SetYear", "VOKPLMDlgDate::RefreshCalendar",
          "VOKPLMDlgDate::SetDay"}),
      TakeTrace("VOKPLMDlgDate"));
  ASSERT_TRUE(VOKDlgUser::StepDown(spinner));
  ASSERT_TRUE(VOKDlgUser::StepDown(spinner));
  EXPECT_EQ("2025-12-04", Shown(dialog));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(YearEntryTest, SteppingPastTheBoundsFallsBackOnTheExample) {
  struct Row {
    const char* start;
    bool up;
    const char* refused;
  };
  for (const Row& row :
       {Row{"2038", true, "2039"}, Row{"1970", false, "1969"}, Row{"abc", true, "1"},
        Row{"2147483647", true, "2147483647"}, Row{"-2147483648", false, "-2147483648"}}) {
    VOKPLMDlgDate& dialog = Open();
    VOKDlgSpinner* spinner = Spinner(dialog);
    spinner->SetCurrentText(row.start, 0);
    ASSERT_TRUE(row.up ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner));
    ASSERT_FALSE(boxes.empty()) << row.start;
    EXPECT_EQ(std::string("Invalid year ") + row.refused, boxes.back().title);
    EXPECT_EQ("2026-12-04", Shown(dialog));
  }
}

TEST_F(YearEntryTest, ExampleYearComesFromTodayInTheLocalesLayout) {
  struct Row {
    const char* layout;
    const char* yearTitle;
    const char* monthTitle;
    bool thai;
    const char* example;
  };
  const Row rows[] = {{"dd/mm/yyyy", "yyyy", "mm", false, "2026"},
                      {"dd.mm.yy", "yy", "mm", false, "1970"},
                      {"dd.mm.yy", "yy", "mm", true, "2513"},
                      {"m/yyyy/dd", "yyyy", "m", false, "1970"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.layout);
    VOKHostSettings::SetThai(row.thai, true);
    UseLayout(row.layout, "dd", row.monthTitle, row.yearTitle);
    EXPECT_EQ(std::string("!") + row.example, Typed("1900"));
    EXPECT_THAT(records, Contains(std::string("example year: ") + row.example));
  }
  EXPECT_THAT(records, Contains("Couldn't convert text \"/202\" to number."));
}

// A year that passes the range is tested in the display format; a refused
// one brings the conversion format out through the example year. Without a
// known layout every year is refused; without a year in it there is no
// example, and the lowest year is taken.
TEST_F(YearEntryTest, LocaleLayoutsAndTheirConversionFormats) {
  struct Row {
    const char* layout;
    const char* yearTitle;
    const char* typed;
    const char* expected;
    bool noExample;
  };
  const Row rows[] = {{"[mm]/[dd]/[yyyy]", "yyyy", "2030", "Checking with date: 12/01/2030", false},
                      {"[ ]/[ ]/[ ]", "yyyy", "2030", "longDateFormat: //", false},
                      {"[dd].[mm].[yy]", "yy", "2030", "longDateFormat: dd.mm.yy", false},
                      {"dd.mm.yy", "yy", "2030", "Checking with date: 01.12.30", false},
                      {"dd.mm.y", "y", "2039", "shortDateFormat: %d.%m.%y", false},
                      {"mm/dd/yyyy (yyyy)", "yyyy", "2039", "shortDateFormat: %m/%d/%Y(%Y)", false},
                      {"//", "yyyy", "2030", "Year \"2030\" is invalid.", true},
                      {"mm/dd", "yyyy", "1900", "shortDateFormat: %m/%d", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.layout);
    UseLayout(row.layout, "dd", "mm", row.yearTitle);
    Typed(row.typed);
    EXPECT_THAT(records, Contains(row.expected));
    if (!row.noExample) continue;
    EXPECT_THAT(records, Not(Contains(::testing::StartsWith("example year"))));
    EXPECT_EQ("!1970", Typed("1900"));
  }
}
