// File: BenchHost.cpp
#include "bench/BenchHost.h"

#include <cstdlib>

#include "base_runtime/VOKHostSettings.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "services/ImmersiveUITrace.h"

namespace vok_bench {
namespace {

constexpr const char* kTracedClasses[] = {"VOKPLMDlgDate", "VOKQELNavCalendarUI",
                                          "VOKQELNavDateComboButtonFrame",
                                          "VOKQELNavDateEntryFrame"};
int boxesShown = 0;

}  // namespace

void PrepareHost() {
  VOKHostSettings::Reload();
  VOKHostSettings::SetLocale("en_US");
  VOKHostSettings::SetThai(false, false);
  VOKHostClock::FixToday(2025, 6, 15);
  VOKDlgNotify::SetResponder([](VOKDlgNotify&, const VOKUnicodeString&, const VOKUnicodeString&) {
    ++boxesShown;
    return 0;
  });
  for (const char* className : kTracedClasses) ImmersiveUITrace::SetSwitch(className, false);
}

VOKTime PickedDate() { return VOKTime(2024, 3, 31, 0, 0, 0, 0); }

int BoxesShown() { return boxesShown; }

EnvironmentLocale::EnvironmentLocale(const char* lang) {
  for (const char* name : {"LANG", "LC_ALL", "LC_TIME", "VOK_THAI", "VOK_THAI_GREGORIAN"}) {
    const char* value = std::getenv(name);
    _saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    unsetenv(name);
  }
  setenv("LANG", lang, 1);
  VOKHostSettings::Reload();
}

EnvironmentLocale::~EnvironmentLocale() {
  for (const auto& [name, value] : _saved) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
  PrepareHost();
}

HostWindow::HostWindow()
    : _dialog(new VOKDlgDialog(nullptr, "SearchForm",
                               VOKDlgStyle::OKButton | VOKDlgStyle::CancelButton)),
      _frame(new VOKDlgFrame(_dialog, "SearchFrame", VOKDlgStyle::GridLayout)) {
  _dialog->SetVisibility(VOKDlgVisibility::Shown);
}

HostWindow::~HostWindow() {
  _dialog->RequestDelayedDestruction();
  VOKCommand::FlushDelayedDestructions();
}

VOKQELNavCalendarUI* OpenCalendar(VOKDialog* parent) {
  auto* calendar = new VOKQELNavCalendarUI(parent);
  if (calendar == nullptr) return nullptr;
  VOKTime date = PickedDate();
  calendar->SetDate(date);
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  return calendar;
}

void ReleaseCalendar(VOKQELNavCalendarUI* calendar) {
  calendar->SetVisibility(VOKDlgVisibility::Hidden);
  calendar->RequestDelayedDestruction();
  VOKCommand::FlushDelayedDestructions();
}

}  // namespace vok_bench
