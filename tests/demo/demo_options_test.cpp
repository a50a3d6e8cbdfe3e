// Tests of the example host's command line.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "demo/DemoOptions.h"

namespace {

vok_demo::ParsedOptions Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "vok_demo");
  return vok_demo::ParseOptions(static_cast<int>(arguments.size()), arguments.data());
}

// The options parsed, as "today script web port help", then the record
// file when there is one.
std::string Parsed(const std::vector<const char*>& arguments) {
  const vok_demo::ParsedOptions parsed = Parse(arguments);
  if (!parsed.error.empty()) return "error: " + parsed.error;
  const vok_demo::DemoOptions& o = parsed.options;
  char today[32] = "-";
  if (o.today)
    std::snprintf(today, sizeof today, "%d-%d-%d", o.today->year, o.today->month, o.today->day);
  return std::string(today) + " \"" + o.scriptFile + "\" " + (o.web ? "web " : "- ") +
         std::to_string(o.port) + (o.help ? " help" : " -") +
         (o.recordFile.empty() ? "" : " record \"" + o.recordFile + "\"");
}

// Each option in both spellings; --web takes a free port unless one is named.
TEST(DemoOptionsTest, ReadsEachOption) {
  const struct {
    std::vector<const char*> arguments;
    const char* parsed;
  } rows[] = {
      {{}, "- \"\" - 0 -"},
      {{"--today", "2025-06-15", "--script", "run.script"}, "2025-6-15 \"run.script\" - 0 -"},
      {{"--today=2024-02-29", "--script=a b.script"}, "2024-2-29 \"a b.script\" - 0 -"},
      {{"--help"}, "- \"\" - 0 help"},
      {{"-h"}, "- \"\" - 0 help"},
      {{"--web"}, "- \"\" web 0 -"},
      {{"--port", "65535", "--web"}, "- \"\" web 65535 -"},
      {{"--web", "--port=0"}, "- \"\" web 0 -"},
      {{"--record", "a.script", "--web"}, R"(- "" web 0 - record "a.script")"},
      {{"--record=a b.script"}, R"(- "" - 0 - record "a b.script")"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.parsed, Parsed(row.arguments)) << (row.arguments.empty() ? "" : row.arguments[0]);
  }
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
      {{"--record"}, "--record needs a value"},
      {{"--record="}, "--record needs a file name"},
      {{"--record", "a", "--script", "b"}, "--record and --script cannot be used together"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.error, Parse(row.arguments).error) << row.arguments.front();
  }
}

}  // namespace
