// File: year_text_fuzzer.cpp
// A user at a date-picker dialog's year spinner. The first byte chooses
// the setting, the second today's date; the rest is one action a line:
// "+" and "-" step the year, "m<n>" chooses month n, "d<n>" presses day n,
// any other line is typed into the spinner. After construction and after
// every action the dialog's widgets show a consistent date.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "checks/calendar_invariants.h"
#include "date_dialog/VOKPLMDlgDate.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "fuzz/FuzzHost.h"

namespace {

constexpr int kMaxActions = 16;

int NumberAfterFirst(std::string_view line) {
  int number = 0;
  for (char c : line.substr(1, 3)) number = number * 10 + static_cast<unsigned char>(c) % 10;
  return number;
}

void PressDay(VOKPLMDlgDate& dialog, int day) {
  VOKDialog* frame = dialog.FindDescendant("DayFrame");
  if (frame == nullptr) return;
  for (VOKDialog* child : frame->GetChildren()) {
    auto* button = dynamic_cast<VOKDlgPushButton*>(child);
    if (button != nullptr && button->GetVisibility() == VOKDlgVisibility::Shown &&
        button->GetTitle() == std::to_string(day).c_str()) {
      VOKDlgUser::Press(button);
      return;
    }
  }
}

void Act(VOKPLMDlgDate& dialog, std::string_view line) {
  auto* spinner = dynamic_cast<VOKDlgSpinner*>(dialog.FindDescendant("YearSpinner"));
  auto* combo = dynamic_cast<VOKDlgCombo*>(dialog.FindDescendant("MonthCombo"));
  if (line == "+") {
    VOKDlgUser::StepUp(spinner);
  } else if (line == "-") {
    VOKDlgUser::StepDown(spinner);
  } else if (line.size() > 1 && line[0] == 'm') {
    VOKDlgUser::Choose(combo, NumberAfterFirst(line) % 12);
  } else if (line.size() > 1 && line[0] == 'd') {
    PressDay(dialog, NumberAfterFirst(line) % 32);
  } else {
    VOKDlgUser::Type(spinner, VOKUnicodeString(line));
  }
}

void Check(const VOKPLMDlgDate& dialog, std::string_view after) {
  const CalendarReading reading = ReadCalendar(dialog);
  if (!reading.broken.empty()) vok_fuzz::Fail(reading.broken, after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  vok_fuzz::PrepareHost();
  vok_fuzz::ApplySetting(data[0]);
  vok_fuzz::FixToday(data[1]);
  auto* dialog = new VOKPLMDlgDate(&vok_fuzz::HostDialog());
  if (dialog == nullptr) vok_fuzz::Fail("dialog not created", "");
  dialog->SetVisibility(VOKDlgVisibility::Shown);
  Check(*dialog, "construction");

  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  for (int action = 0; action < kMaxActions && !rest.empty(); ++action) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    Act(*dialog, line);
    Check(*dialog, line);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  dialog->SetVisibility(VOKDlgVisibility::Hidden);
  dialog->RequestDelayedDestruction();
  vok_fuzz::FinishInput();
  return 0;
}
