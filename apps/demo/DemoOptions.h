// File: DemoOptions.h
// The example host's command line:
//   vok_demo [--today YYYY-MM-DD] [--script FILE | --record FILE]
//            [--web [--port N]] [--help]
// Values may also follow an "=" (--today=2025-06-01).
#pragma once

#include <optional>
#include <string>

namespace vok_demo {

struct CivilDay {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct DemoOptions {
  std::optional<CivilDay> today;  // fixes the host clock
  std::string scriptFile;         // "" when none was given
  std::string recordFile;         // "" when none was given
  bool web = false;               // serve the form to a browser
  int port = 0;                   // the web server's port; 0: a free one
  bool help = false;
};

// What parsing made of the arguments: the options, or the one problem
// found (a message without the program name or a trailing newline).
struct ParsedOptions {
  DemoOptions options;
  std::string error;
};

ParsedOptions ParseOptions(int argc, const char* const* argv);

// The --help text, ending with a newline.
std::string Usage();

}  // namespace vok_demo
