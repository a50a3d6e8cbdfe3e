// Tests of reading demo script lines into user actions.
#include <gtest/gtest.h>

#include "ScriptLine.h"

namespace {

using Verb = vok_demo::ScriptCommand::Verb;

TEST(ScriptLineTest, ReadsEachAction) {
  const struct {
    const char* line;
    Verb verb;
    const char* widget;
    const char* argument;
  } rows[] = {
      {"press 12", Verb::Press, "12", ""},
      {"  press   _calButton  ", Verb::Press, "_calButton", ""},
      {"press Choose a date", Verb::Press, "Choose a date", ""},  // labels may hold blanks
      {"type _calEditor 07/04/2021", Verb::Type, "_calEditor", "07/04/2021"},
      {"type RecentDates next week", Verb::Type, "RecentDates", "next week"},
      {"type _calEditor", Verb::Type, "_calEditor", ""},  // clears the field
      {"type YearSpinner 2039\r", Verb::Type, "YearSpinner", "2039"},
      {"choose MonthCombo 2", Verb::Choose, "MonthCombo", "2"},
      {"choose MonthCombo\tMarch", Verb::Choose, "MonthCombo", "March"},
      {"step YearSpinner up", Verb::Step, "YearSpinner", "up"},
      {"step YearSpinner down", Verb::Step, "YearSpinner", "down"},
      {"ok", Verb::OK, "", ""},
      {"cancel", Verb::Cancel, "", ""},
      {" close ", Verb::Close, "", ""},
  };
  for (const auto& row : rows) {
    const vok_demo::ScriptLine read = vok_demo::ReadScriptLine(row.line);
    ASSERT_TRUE(read.command.has_value()) << row.line << ": " << read.error;
    EXPECT_EQ(row.verb, read.command->verb) << row.line;
    EXPECT_EQ(row.widget, read.command->widget) << row.line;
    EXPECT_EQ(row.argument, read.command->argument) << row.line;
    EXPECT_EQ("", read.error) << row.line;
  }
}

TEST(ScriptLineTest, BlankAndCommentLinesHoldNothing) {
  for (const char* line : {"", "   ", "\r", "# open the calendar", "   # indented"}) {
    const vok_demo::ScriptLine read = vok_demo::ReadScriptLine(line);
    EXPECT_FALSE(read.command.has_value()) << line;
    EXPECT_EQ("", read.error) << line;
  }
}

TEST(ScriptLineTest, SaysWhatIsWrongWithABadLine) {
  const struct {
    const char* line;
    const char* error;
  } rows[] = {
      {"jump 3",
       "unknown action \"jump\" (expected press, type, choose, step, ok, cancel or close)"},
      {"OK", "unknown action \"OK\" (expected press, type, choose, step, ok, cancel or close)"},
      {"press", "expected \"press BUTTON\""},
      {"type", "expected \"type WIDGET TEXT\""},
      {"choose MonthCombo", "expected \"choose COMBO LINE\""},
      {"step YearSpinner", "expected \"step SPINNER up|down\""},
      {"step YearSpinner sideways", "expected \"step SPINNER up|down\", not \"sideways\""},
      {"step YearSpinner up up", "expected \"step SPINNER up|down\", not \"up up\""},
      {"ok now", "\"ok\" takes nothing after it"},
      {"close 2", "\"close\" takes nothing after it"},
  };
  for (const auto& row : rows) {
    const vok_demo::ScriptLine read = vok_demo::ReadScriptLine(row.line);
    EXPECT_FALSE(read.command.has_value()) << row.line;
    EXPECT_EQ(row.error, read.error) << row.line;
  }
}

}  // namespace
