// File: TraceSwitches.cpp
#include "services/TraceSwitches.h"

#include <cstdlib>
#include <map>
#include <set>
#include <string_view>

namespace vok::services {
namespace {

struct TraceSelection {
  bool all = false;
  std::set<std::string, std::less<>> classes;

  bool Selects(const std::string& className) const { return all || classes.count(className) != 0; }
};

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TraceSelection ParseSelection(const char* value) {
  TraceSelection selection;
  std::string_view rest = value != nullptr ? value : "";
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view name = TrimBlanks(rest.substr(0, comma));
    if (name == "all") {
      selection.all = true;
    } else if (!name.empty()) {
      selection.classes.emplace(name);
    }
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return selection;
}

struct SwitchBoard {
  TraceSelection selection = ParseSelection(std::getenv("VOK_TRACE"));
  // std::map never moves its elements, which keeps the switches' addresses.
  std::map<std::string, int, std::less<>> switches;
};

// Trace objects are built and destroyed while libraries load and unload, in
// an order no static object can rely on, so the board is made on first use
// and never destroyed.
SwitchBoard& Board() {
  static SwitchBoard* board = new SwitchBoard();
  return *board;
}

}  // namespace

int& TraceSwitchOf(const std::string& className) {
  SwitchBoard& board = Board();
  auto found = board.switches.find(className);
  if (found == board.switches.end()) {
    found = board.switches.emplace(className, board.selection.Selects(className) ? 1 : 0).first;
  }
  return found->second;
}

void SetTraceSwitch(const std::string& className, bool on) {
  TraceSwitchOf(className) = on ? 1 : 0;
}

void ReadTraceSelection() {
  SwitchBoard& board = Board();
  board.selection = ParseSelection(std::getenv("VOK_TRACE"));
  for (auto& [className, on] : board.switches) on = board.selection.Selects(className) ? 1 : 0;
}

}  // namespace vok::services
