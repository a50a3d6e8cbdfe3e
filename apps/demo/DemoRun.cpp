// File: DemoRun.cpp
#include "demo/DemoRun.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "demo/PrintableText.h"
#include "demo/ScriptPlayer.h"
#include "front_end/terminal/VOKTerminalFrontEnd.h"
#include "web_front_end/VOKWebFrontEnd.h"

namespace vok_demo {
namespace {

const std::vector<std::string> kShowcase = {"press _calButton", "ok"};
constexpr int kTermColumns = 60;

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

// ncurses refuses a terminal type it has no description of.
int RunTerminal(VOKDlgWindow& form, std::ostream& errors) {
  const int status = VOKTerminalFrontEnd::Run(form);
  if (status != 0) {
    const char* term = std::getenv("TERM");
    errors << "vok_demo: cannot use the terminal: ncurses does not know TERM=\""
           << Printable(term != nullptr ? term : "", kTermColumns) << "\"\n";
  }
  return status;
}

int RunWeb(VOKDlgWindow& form, int port, std::ostream& out, std::ostream& errors) {
  std::string problem;
  const int status = VOKWebFrontEnd::Run(
      form, port,
      [&out](const std::string& address) {
        out << "Open " << address << " in a web browser on this computer. Ctrl-C ends.\n"
            << std::flush;
      },
      problem);
  if (status != 0) errors << "vok_demo: " << problem << "\n";
  return status;
}

}  // namespace

int RunDemo(VOKDlgWindow& form, const DemoOptions& options, std::ostream& out,
            std::ostream& errors) {
  if (!options.scriptFile.empty()) return PlayFile(form, options.scriptFile, out, errors);
  if (options.web) return RunWeb(form, options.port, out, errors);
  if (VOKTerminalFrontEnd::Available()) return RunTerminal(form, errors);
  if (isatty(STDIN_FILENO) == 0) {
    std::vector<std::string> piped = ReadLines(std::cin);
    if (HoldsActions(piped)) return Play(form, std::move(piped), out, errors);
  }
  return Play(form, kShowcase, out, errors);
}

}  // namespace vok_demo
