// File: DemoOptions.cpp
#include "demo/DemoOptions.h"

#include <cstdio>
#include <string_view>

#include "base_runtime/VOKTime.h"

namespace vok_demo {
namespace {

// A real calendar day written exactly as YYYY-MM-DD.
std::optional<CivilDay> ReadDay(const std::string& text) {
  CivilDay day;
  char rest = 0;
  const bool shaped =
      text.size() == 10 && text[4] == '-' && text[7] == '-' &&
      std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &day.year, &day.month, &day.day, &rest) == 3;
  if (!shaped ||
      VOKTime(day.year, day.month, day.day, 0, 0, 0, 0).Gettime_t() == VOKTime::Invalid) {
    return std::nullopt;
  }
  return day;
}

// A port number written in plain digits.
std::optional<int> ReadPort(const std::string& text) {
  if (text.empty() || text.size() > 5 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const int port = std::stoi(text);
  return port <= 65535 ? std::optional<int>(port) : std::nullopt;
}

// Splits "--name=value" into name and value; other arguments have no value.
struct Argument {
  std::string name;
  std::optional<std::string> value;
};

Argument Split(std::string_view argument) {
  const std::size_t equals = argument.find('=');
  if (!argument.starts_with("--") || equals == std::string_view::npos) {
    return {std::string(argument), std::nullopt};
  }
  return {std::string(argument.substr(0, equals)), std::string(argument.substr(equals + 1))};
}

class Parser {
 public:
  Parser(int argc, const char* const* argv) : _argc(argc), _argv(argv) {}

  ParsedOptions Parse() {
    for (_next = 1; _next < _argc && _parsed.error.empty();) {
      ParseOne(Split(_argv[_next++]));
    }
    if (_parsed.error.empty() && _portGiven && !_parsed.options.web) Fail("--port needs --web");
    if (_parsed.error.empty() && _parsed.options.web && !_parsed.options.scriptFile.empty()) {
      Fail("--web and --script cannot be used together");
    }
    if (_parsed.error.empty() && !_parsed.options.recordFile.empty() &&
        !_parsed.options.scriptFile.empty()) {
      Fail("--record and --script cannot be used together");
    }
    return _parsed;
  }

 private:
  void ParseOne(const Argument& argument) {
    if (argument.name == "--help" || argument.name == "-h") {
      if (argument.value) return Fail(argument.name + " takes no value");
      _parsed.options.help = true;
    } else if (argument.name == "--today") {
      const auto text = Value(argument);
      if (!text) return;
      _parsed.options.today = ReadDay(*text);
      if (!_parsed.options.today) {
        Fail("--today needs a real date written as YYYY-MM-DD, not \"" + *text + "\"");
      }
    } else if (argument.name == "--script") {
      File(argument, _parsed.options.scriptFile);
    } else if (argument.name == "--record") {
      File(argument, _parsed.options.recordFile);
    } else if (argument.name == "--web") {
      if (argument.value) return Fail(argument.name + " takes no value");
      _parsed.options.web = true;
    } else if (argument.name == "--port") {
      const auto text = Value(argument);
      if (!text) return;
      _portGiven = true;
      if (const auto port = ReadPort(*text)) {
        _parsed.options.port = *port;
      } else {
        Fail("--port needs a number from 0 to 65535, not \"" + *text + "\"");
      }
    } else if (argument.name.starts_with("-")) {
      Fail("unknown option \"" + argument.name + "\"");
    } else {
      Fail("unexpected argument \"" + argument.name + "\"");
    }
  }

  void File(const Argument& argument, std::string& file) {
    const auto name = Value(argument);
    if (name && name->empty()) return Fail(argument.name + " needs a file name");
    if (name) file = *name;
  }

  // The option's value, after "=" or as the next argument.
  std::optional<std::string> Value(const Argument& argument) {
    if (argument.value) return argument.value;
    if (_next < _argc) return std::string(_argv[_next++]);
    Fail(argument.name + " needs a value");
    return std::nullopt;
  }

  void Fail(const std::string& message) { _parsed.error = message; }

  int _argc;
  const char* const* _argv;
  int _next = 1;
  bool _portGiven = false;
  ParsedOptions _parsed;
};

}  // namespace

ParsedOptions ParseOptions(int argc, const char* const* argv) { return Parser(argc, argv).Parse(); }

std::string Usage() {
  return R"(Usage: vok_demo [--today YYYY-MM-DD] [--script FILE | --record FILE]
                [--web [--port N]] [--help]

A host application that uses the date-picker module: a "Find documents"
form with a date entry field ("Created after") and a combo of recent dates
("Modified before"), each with a calendar button, and a Search button that
checks both dates and shows them as time values.

In a terminal the form is interactive. Without one (a pipe, CI) the
program replays a script read from standard input; when there is none it
prints the form, the calendar opened from the first field and the form
after OK, and exits.

Options:
  --today YYYY-MM-DD  fix the host clock's day (default: the system clock,
                      or VOK_TODAY)
  --script FILE       replay the user actions in FILE and print a picture
                      of the windows after each
  --record FILE       write each action taken in the terminal or the
                      web page to FILE as a script line, for --script
  --web               serve the form to a web browser on this computer
                      (127.0.0.1 only) and print the address to open; it
                      carries a token made for this run. A second tab
                      opened at the address takes the form over. Ctrl-C,
                      closing the page or closing the form ends the run
  --port N            the port for --web (default 0: a free one)
  --help              show this text

Script lines act on the window on top (blank lines and lines starting
with # are skipped):
  press BUTTON           a button by its label or name ("press 12" presses
                         day 12 of the open calendar, "press _calButton"
                         opens it)
  type WIDGET TEXT       replace the text of an editor, editable combo or
                         spinner ("type YearSpinner 2039"); in a list, such
                         as the month combo, the text names the line to
                         choose ("type MonthCombo december")
  choose COMBO LINE      choose a line by its text or its number counted
                         from 1 ("choose MonthCombo 2" is February)
  step SPINNER up|down   press a spinner's arrow
  ok, cancel, close      answer the window (ok also answers a message box)
A name or text may be put in double quotes, inside which \" is a quote,
\\ a backslash and \t, \n, \r a tab, newline and return; "" is empty.
A line that cannot be carried out stops the run with its line number and
exit status 1.

Exit status: 0 done, 1 a script line failed, the terminal cannot be
used (a TERM that ncurses does not know, or the terminal screen's library
cannot be loaded), or the web front end cannot be loaded or start,
2 bad options, a script file that cannot be read, a record file that
cannot be written or --record without a terminal or --web.
)";
}

}  // namespace vok_demo
