// Tests of reading demo script lines into user actions.
#include <gtest/gtest.h>

#include <string>

#include "demo/ScriptLine.h"

namespace {

using Verb = vok_demo::ScriptCommand::Verb;

TEST(ScriptLineTest, ReadsEachAction) {
  const struct {
    const char* line;
    Verb verb;
    const char* widget;
    const char* argument;
  } rows[] = {
      {"  press   _calButton  ", Verb::Press, "_calButton", ""},
      {"press Choose a date", Verb::Press, "Choose a date", ""},  // labels may hold blanks
      {"type RecentDates next week", Verb::Type, "RecentDates", "next week"},
      {"type _calEditor", Verb::Type, "_calEditor", ""},  // clears the field
      {"type YearSpinner 2039\r", Verb::Type, "YearSpinner", "2039"},
      {"choose MonthCombo\tMarch", Verb::Choose, "MonthCombo", "March"},
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

// Blank and comment lines hold nothing and are no error.
TEST(ScriptLineTest, SaysWhatIsWrongWithABadLineAndIgnoresBlankOnes) {
  const std::string unknown = " (expected press, type, choose, step, ok, cancel or close)";
  const struct {
    const char* line;
    std::string error;
  } rows[] = {
      {"", ""},
      {"\r", ""},
      {"   # indented", ""},
      {"jump 3", "unknown action \"jump\"" + unknown},
      {"OK", "unknown action \"OK\"" + unknown},
      {"press", "expected \"press BUTTON\""},
      {"type", "expected \"type WIDGET TEXT\""},
      {"choose MonthCombo", "expected \"choose COMBO LINE\""},
      {"step YearSpinner", "expected \"step SPINNER up|down\""},
      {"step YearSpinner up up", R"(expected "step SPINNER up|down", not "up up")"},
      {"close 2", "\"close\" takes nothing after it"},
  };
  for (const auto& row : rows) {
    const vok_demo::ScriptLine read = vok_demo::ReadScriptLine(row.line);
    EXPECT_FALSE(read.command.has_value()) << row.line;
    EXPECT_EQ(row.error, read.error) << row.line;
  }
}

}  // namespace
