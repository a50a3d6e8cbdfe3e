// File: ActionLines.cpp
#include "front_end/session/ActionLines.h"

#include "front_end/session/ButtonGrid.h"

namespace vok::session {
namespace {

std::string WidgetName(const VOKDialog& widget) { return QuoteWord(widget.GetName().str()); }

}  // namespace

std::string PressLine(const VOKDialog& button) {
  const std::string label = button.GetTitle().ToUtf8();
  const bool byLabel = InButtonGrid(button) && !label.empty();
  return "press " + (byLabel ? QuoteText(label) : QuoteText(button.GetName().str()));
}

std::string TypeLine(const VOKDialog& field, std::string_view text) {
  return "type " + WidgetName(field) + " " + QuoteText(text);
}

std::string ChooseLine(const VOKDlgCombo& combo, int line) {
  const std::string text = combo.GetLine(line).ToUtf8();
  int first = 0;
  while (first < line && combo.GetLine(first).ToUtf8() != text) ++first;
  const bool byText = first == line && !text.empty();
  return "choose " + WidgetName(combo) + " " +
         (byText ? QuoteText(text) : std::to_string(line + 1));
}

std::string StepLine(const VOKDialog& spinner, bool up) {
  return "step " + WidgetName(spinner) + (up ? " up" : " down");
}

}  // namespace vok::session
