// Tests of reading demo script lines into user actions.
#include <gtest/gtest.h>

#include <string>

#include "demo/ScriptLine.h"
#include "front_end/session/VOKScriptText.h"

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
      {R"(type "Full name" "  two  ")", Verb::Type, "Full name", "  two  "},
      {R"(type Name "")", Verb::Type, "Name", ""},
      {R"(type Name say "hi")", Verb::Type, "Name", "say \"hi\""},  // quotes inside a bare text
      {R"(press "\"x\" \\")", Verb::Press, R"("x" \)", ""},
      {R"(choose "Month" "a\tb")", Verb::Choose, "Month", "a\tb"},
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
  const std::string kBadQuote = R"(a quote is not closed, or \ is not followed by ", \, t, n or r)";
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
      {R"(type Name "open)", kBadQuote},
      {R"(type "Name text)", kBadQuote},
      {R"(press "a\q")", kBadQuote},
      {R"(type "Name"text)", "a blank must follow the closing quote"},
      {R"(type Name "a" b)", "nothing may follow the closing quote"},
      {R"(choose Month "")", "expected \"choose COMBO LINE\""},
  };
  for (const auto& row : rows) {
    const vok_demo::ScriptLine read = vok_demo::ReadScriptLine(row.line);
    EXPECT_FALSE(read.command.has_value()) << row.line;
    EXPECT_EQ(row.error, read.error) << row.line;
  }
}

// What the front end's record writes, the script reads back unchanged.
TEST(ScriptLineTest, ReadsTheRecordedLinesBack) {
  for (const std::string text :
       {"", " 07/04/2021", "say \"hi\"", "\"hi\" she said", "a\\b", "tab\there", "   "}) {
    const std::string line =
        "type " + vok::session::QuoteWord("Full name") + " " + vok::session::QuoteText(text);
    const vok_demo::ScriptLine read = vok_demo::ReadScriptLine(line);
    ASSERT_TRUE(read.command.has_value()) << line << ": " << read.error;
    EXPECT_EQ("Full name", read.command->widget) << line;
    EXPECT_EQ(text, read.command->argument) << line;
  }
}

}  // namespace
