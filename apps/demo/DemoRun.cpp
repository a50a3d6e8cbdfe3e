// File: DemoRun.cpp
#include "DemoRun.h"

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "ScriptPlayer.h"
#include "front_end/VOKTerminalFrontEnd.h"

namespace vok_demo {
namespace {

const std::vector<std::string> kShowcase = {"press _calButton", "ok"};

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

int PlayFile(VOKDlgWindow& form, const std::string& file, std::ostream& out, std::ostream& errors) {
  std::ifstream in(file);
  if (!in) {
    errors << "vok_demo: cannot read the script file \"" << file << "\"\n";
    return 2;
  }
  return Play(form, ReadLines(in), out, errors);
}

}  // namespace

int RunDemo(VOKDlgWindow& form, const DemoOptions& options, std::ostream& out,
            std::ostream& errors) {
  if (!options.scriptFile.empty()) return PlayFile(form, options.scriptFile, out, errors);
  if (VOKTerminalFrontEnd::Available()) return VOKTerminalFrontEnd::Run(form);
  if (isatty(STDIN_FILENO) == 0) {
    std::vector<std::string> piped = ReadLines(std::cin);
    if (HoldsActions(piped)) return Play(form, std::move(piped), out, errors);
  }
  return Play(form, kShowcase, out, errors);
}

}  // namespace vok_demo
