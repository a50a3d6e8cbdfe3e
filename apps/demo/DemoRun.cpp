// File: DemoRun.cpp
#include "demo/DemoRun.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "base_runtime/VOKTime.h"
#include "demo/PrintableText.h"
#include "demo/ScriptPlayer.h"
#include "demo/WebFrontEndLoader.h"
#include "front_end/terminal/VOKTerminalFrontEnd.h"

namespace vok_demo {
namespace {

const std::vector<std::string> kShowcase = {"press _calButton", "ok"};
constexpr int kTermColumns = 60;

using Recorder = std::function<void(const std::string& line)>;

std::vector<std::string> ReadLines(std::istream& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int Play(VOKDlgWindow& form, std::vector<std::string> lines, std::ostream& out,
         std::ostream& errors) {
  ScriptPlayer player(form, std::move(lines), out, errors);
  return player.Play();
}

// A directory opens as a file but reads as nothing: it is refused first.
int PlayFile(VOKDlgWindow& form, const std::string& file, std::ostream& out, std::ostream& errors) {
  std::error_code error;
  const bool directory = std::filesystem::is_directory(file, error);
  std::ifstream in;
  if (!directory) in.open(file);
  std::vector<std::string> lines;
  if (in) lines = ReadLines(in);
  if (directory || !in.eof() || in.bad()) {
    errors << "vok_demo: cannot read the script file \"" << Printable(file) << "\""
           << (directory ? ": it is a directory" : "") << "\n";
    return 2;
  }
  return Play(form, std::move(lines), out, errors);
}

// ncurses refuses a terminal type it has no description of (1); a screen
// library that cannot be loaded (2) has been reported by the front end.
int RunTerminal(VOKDlgWindow& form, const Recorder& recorder, std::ostream& errors) {
  const int status = VOKTerminalFrontEnd::Run(form, recorder);
  if (status == 1) {
    const char* term = std::getenv("TERM");
    errors << "vok_demo: cannot use the terminal: ncurses does not know TERM=\""
           << Printable(term != nullptr ? term : "", kTermColumns) << "\"\n";
  }
  return status == 0 ? 0 : 1;
}

int RunWeb(VOKDlgWindow& form, int port, const Recorder& recorder, std::ostream& out,
           std::ostream& errors) {
  std::string problem;
  const int status = RunWebFrontEnd(
      form, port,
      [&out](const std::string& address) {
        out << "Open " << address << " in a web browser on this computer. Ctrl-C ends.\n"
            << std::flush;
      },
      problem, recorder);
  if (status != 0) errors << "vok_demo: " << problem << "\n";
  return status;
}

// The record starts with how to replay it: the host clock's day decides
// what the calendars show. Each line is flushed as it is written, so that
// a run that ends abruptly keeps what was done.
Recorder Record(std::ofstream& record) {
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  char day[16];
  std::snprintf(day, sizeof day, "%04d-%02d-%02d", today.GetYear(), today.GetMonth(),
                today.GetDay());
  record << "# Replay with: vok_demo --today " << day << " --script FILE\n" << std::flush;
  return [&record](const std::string& line) { record << line << "\n" << std::flush; };
}

int RunRecorded(VOKDlgWindow& form, const DemoOptions& options, std::ostream& out,
                std::ostream& errors) {
  if (!options.web && !VOKTerminalFrontEnd::Available()) {
    errors << "vok_demo: --record needs a terminal or --web\n";
    return 2;
  }
  std::ofstream record(options.recordFile, std::ios::trunc);
  if (!record) {
    errors << "vok_demo: cannot write the record file \"" << Printable(options.recordFile)
           << "\"\n";
    return 2;
  }
  const Recorder recorder = Record(record);
  return options.web ? RunWeb(form, options.port, recorder, out, errors)
                     : RunTerminal(form, recorder, errors);
}

}  // namespace

int RunDemo(VOKDlgWindow& form, const DemoOptions& options, std::ostream& out,
            std::ostream& errors) {
  if (!options.scriptFile.empty()) return PlayFile(form, options.scriptFile, out, errors);
  if (!options.recordFile.empty()) return RunRecorded(form, options, out, errors);
  if (options.web) return RunWeb(form, options.port, {}, out, errors);
  if (VOKTerminalFrontEnd::Available()) return RunTerminal(form, {}, errors);
  if (isatty(STDIN_FILENO) == 0) {
    std::vector<std::string> piped = ReadLines(std::cin);
    if (HoldsActions(piped)) return Play(form, std::move(piped), out, errors);
  }
  return Play(form, kShowcase, out, errors);
}

}  // namespace vok_demo
