// File: catalog_fuzzer.cpp
// Any text as a message catalog. Its messages are built with and without
// parameters; then the same text serves as the module's own catalogs (date
// placeholders, weekday names, the invalid-year message; a line "Layout =
// ..." gives the host's date layout, mm/dd/yyyy by default) while a
// calendar is opened, judges its example date, takes a typed and a stepped
// year and shows an error box.
// A missing key gives the default text, and the calendar's widgets show a
// consistent date throughout.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "checks/calendar_invariants.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "fuzz/FuzzHost.h"

namespace {

constexpr std::size_t kMaxKeys = 8;
const char* const kModuleCatalogs[] = {"VOKImmDate", "VOKPLMDlgDate", "VOKZeltSheetEditor"};

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The keys the text seems to define, as a catalog reader would cut them.
std::vector<std::string> KeysOf(std::string_view text) {
  std::vector<std::string> keys;
  while (!text.empty() && keys.size() < kMaxKeys) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) keys.emplace_back(Trimmed(line.substr(0, equals)));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return keys;
}

void BuildMessages(const std::vector<std::string>& keys) {
  VOKUnicodeString params[] = {"first", "%1%2%3", ""};
  for (const std::string& key : keys) {
    VOKMsgCatalog::BuildMessage("VOKFuzz", key.c_str(), params, 3, "default");
    VOKMsgCatalog::BuildMessage("VOKFuzz", key.c_str(), nullptr, 0, "default");
  }
  // No line of a catalog can define a key holding a line break.
  if (VOKMsgCatalog::BuildMessage("VOKFuzz", "no\nsuch key", params, 1, "default") != "default") {
    vok_fuzz::Fail("a missing key did not give the default text", "");
  }
}

void CheckCalendar(const VOKQELNavCalendarUI& calendar, std::string_view after) {
  const CalendarReading reading = ReadCalendar(calendar);
  if (!reading.broken.empty()) vok_fuzz::Fail(reading.broken, after);
}

void UseCalendar(const std::vector<std::string>& keys) {
  auto* calendar = new VOKQELNavCalendarUI(&vok_fuzz::HostDialog());
  if (calendar == nullptr) vok_fuzz::Fail("calendar not created", "");
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  CheckCalendar(*calendar, "construction");
  calendar->validateDate(calendar->getDateExample());
  auto* spinner = dynamic_cast<VOKDlgSpinner*>(calendar->FindDescendant("YearSpinner"));
  VOKDlgUser::Type(spinner, "2024");
  CheckCalendar(*calendar, "typed 2024");
  VOKDlgUser::StepUp(spinner);
  CheckCalendar(*calendar, "stepped up");
  if (!keys.empty()) {
    VOKUnicodeString param("31/02/2024");
    calendar->ShowErrorDialog(keys.front().c_str(), &param, 1);
  }
  calendar->SetVisibility(VOKDlgVisibility::Hidden);
  calendar->RequestDelayedDestruction();
}

}  // namespace

// The loader's note about each malformed catalog would flood the log; the
// fuzzer's and the sanitizers' own reports do not go through std::cerr.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::cerr.rdbuf(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vok_fuzz::PrepareHost();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  VOKMsgCatalog::LoadFromMemory("VOKFuzz", text);
  const std::vector<std::string> keys = KeysOf(text);
  BuildMessages(keys);

  for (const char* catalog : kModuleCatalogs) VOKMsgCatalog::LoadFromMemory(catalog, text);
  const VOKUnicodeString layout =
      VOKMsgCatalog::BuildMessage("VOKFuzz", "Layout", nullptr, 0, "mm/dd/yyyy");
  VOKHostSettings::SetDateLayout(layout.ToUtf8());
  UseCalendar(keys);
  vok_fuzz::FinishInput();
  return 0;
}
