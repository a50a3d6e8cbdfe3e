// Tests of the example host's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "demo/DemoOptions.h"

namespace {

vok_demo::ParsedOptions Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "vok_demo");
  return vok_demo::ParseOptions(static_cast<int>(arguments.size()), arguments.data());
}

TEST(DemoOptionsTest, AcceptsEachOptionInBothSpellings) {
  const auto spaced = Parse({"--today", "2025-06-15", "--script", "run.script"});
  ASSERT_EQ("", spaced.error);
  ASSERT_TRUE(spaced.options.today.has_value());
  EXPECT_EQ(2025, spaced.options.today->year);
  EXPECT_EQ(6, spaced.options.today->month);
  EXPECT_EQ(15, spaced.options.today->day);
  EXPECT_EQ("run.script", spaced.options.scriptFile);
  EXPECT_FALSE(spaced.options.help);

  const auto joined = Parse({"--today=2024-02-29", "--script=a b.script"});
  ASSERT_EQ("", joined.error);
  EXPECT_EQ(29, joined.options.today->day);
  EXPECT_EQ("a b.script", joined.options.scriptFile);

  EXPECT_TRUE(Parse({"--help"}).options.help);
  EXPECT_TRUE(Parse({"-h"}).options.help);

  const auto none = Parse({});
  EXPECT_EQ("", none.error);
  EXPECT_FALSE(none.options.today.has_value());
  EXPECT_EQ("", none.options.scriptFile);
}

TEST(DemoOptionsTest, WebWithAFreePortUnlessOneIsNamed) {
  const auto free = Parse({"--web"});
  ASSERT_EQ("", free.error);
  EXPECT_TRUE(free.options.web);
  EXPECT_EQ(0, free.options.port);
  EXPECT_FALSE(Parse({}).options.web);

  const auto named = Parse({"--port", "65535", "--web"});
  ASSERT_EQ("", named.error);
  EXPECT_EQ(65535, named.options.port);
  EXPECT_EQ(0, Parse({"--web", "--port=0"}).options.port);
}

TEST(DemoOptionsTest, NamesTheFirstProblem) {
  const std::string badDate = "--today needs a real date written as YYYY-MM-DD, not ";
  const struct {
    std::vector<const char*> arguments;
    std::string error;
  } rows[] = {
      {{"--today", "2025-02-29"}, badDate + "\"2025-02-29\""},
      {{"--today", "2025-6-15"}, badDate + "\"2025-6-15\""},
      {{"--today", "2025-06-15x"}, badDate + "\"2025-06-15x\""},
      {{"--today=2025-13-01"}, badDate + "\"2025-13-01\""},
      {{"--today"}, "--today needs a value"},
      {{"--script"}, "--script needs a value"},
      {{"--script="}, "--script needs a file name"},
      {{"--help=yes"}, "--help takes no value"},
      {{"-x"}, "unknown option \"-x\""},
      {{"extra"}, "unexpected argument \"extra\""},
      {{"--bad", "--worse"}, "unknown option \"--bad\""},
      {{"--web", "--port", "65536"}, "--port needs a number from 0 to 65535, not \"65536\""},
      {{"--web", "--port", "-1"}, "--port needs a number from 0 to 65535, not \"-1\""},
      {{"--web", "--port=8o"}, "--port needs a number from 0 to 65535, not \"8o\""},
      {{"--web", "--port="}, "--port needs a number from 0 to 65535, not \"\""},
      {{"--web", "--port"}, "--port needs a value"},
      {{"--port", "8080"}, "--port needs --web"},
      {{"--web=yes"}, "--web takes no value"},
      {{"--web", "--script", "a.script"}, "--web and --script cannot be used together"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.error, Parse(row.arguments).error) << row.arguments.front();
  }
}

}  // namespace
