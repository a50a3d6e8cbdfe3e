// File: FuzzHost.cpp
#include "fuzz/FuzzHost.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "base_runtime/VOKTime.h"
#include "command_framework/VOKCommand.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "services/ImmersiveUITrace.h"

namespace vok_fuzz {
namespace {

// Layouts of the locales the host knows, their decorated and degenerate
// forms, placeholders of one, two and four letters, a non-ASCII layout and
// the Thai settings.
const Setting kSettings[kSettingCount] = {
    {"mm/dd/yyyy", "dd", "mm", "yyyy", Thai::Off, false},
    {"dd.mm.yyyy", "dd", "mm", "yyyy", Thai::Off, false},
    {"yyyy-mm-dd", "dd", "mm", "yyyy", Thai::Off, false},
    {"dd/mm/yy", "dd", "mm", "yy", Thai::Off, false},
    {"[dd]/[mm]/[yyyy]", "dd", "mm", "yyyy", Thai::Off, false},
    {"~ d.m.yyyy ~", "d", "m", "yyyy", Thai::Off, false},
    {"tt.mm.jjjj", "tt", "mm", "jjjj", Thai::Off, false},
    {"jj/mm/aaaa", "jj", "mm", "aaaa", Thai::Off, false},
    {"dd/mm/yyyy", "dd", "mm", "yyyy", Thai::BuddhistEra, false},
    {"dd/mm/yyyy", "dd", "mm", "yyyy", Thai::Gregorian, false},
    {"", "dd", "mm", "yyyy", Thai::Off, false},
    {"//", "dd", "mm", "yyyy", Thai::Off, false},
    {"mm/dd/yyyy", "", "", "", Thai::Off, false},
    {"yyyy\xe5\xb9\xb4mm\xe6\x9c\x88"
     "dd\xe6\x97\xa5",
     "dd", "mm", "yyyy", Thai::Off, false},
    {"dd.mm.yyyy", "dd", "mm", "yyyy", Thai::Off, true},
    {"d/m/yy", "d", "m", "yy", Thai::BuddhistEra, false},
};

const char* const kTracedClasses[] = {"VOKPLMDlgDate", "VOKQELNavCalendarUI",
                                      "VOKQELNavDateComboButtonFrame", "VOKQELNavDateEntryFrame"};

std::size_t currentSetting = 0;

std::string PlaceholderCatalog(const Setting& setting) {
  std::string text;
  if (*setting.day) text += std::string("Day.Title = ") + setting.day + "\n";
  if (*setting.month) text += std::string("Month.Title = ") + setting.month + "\n";
  if (*setting.year) text += std::string("Year.Title = ") + setting.year + "\n";
  return text;
}

void PrepareOnce() {
  VOKHostSettings::SetLocale("en_US");
  VOKDlgNotify::SetResponder(
      [](VOKDlgNotify&, const VOKUnicodeString&, const VOKUnicodeString&) { return 0; });
  for (const char* className : kTracedClasses) {
    ImmersiveUITrace::SetSwitch(className, true);
    ImmersiveUITrace::StartCapture(className);
  }
  VOKHostClock::FixToday(2026, 12, 4);
}

}  // namespace

VOKDlgDialog& HostDialog() {
  static VOKDlgDialog* host = [] {
    auto* dialog = new VOKDlgDialog(nullptr, "Host", 0);
    dialog->SetVisibility(VOKDlgVisibility::Shown);
    return dialog;
  }();
  return *host;
}

void PrepareHost() {
  static const bool prepared = (PrepareOnce(), true);
  (void)prepared;
}

const Setting& SettingAt(std::size_t index) { return kSettings[index % kSettingCount]; }

std::size_t ApplySetting(std::uint8_t selector) {
  currentSetting = selector % kSettingCount;
  const Setting& setting = kSettings[currentSetting];
  // The placeholders first: the locale reads its layout with them.
  VOKMsgCatalog::LoadFromMemory("VOKImmDate", PlaceholderCatalog(setting));
  VOKHostSettings::SetThai(setting.thai != Thai::Off, setting.thai == Thai::BuddhistEra);
  VOKHostSettings::SetDateLayout(setting.layout);
  if (setting.nlsTest) {
    setenv("VOKNlsTest", "1", 1);
  } else {
    unsetenv("VOKNlsTest");
  }
  return currentSetting;
}

void FixToday(std::uint8_t selector) {
  VOKHostClock::FixToday(2026, 1 + selector % 12, 1 + selector % 28);
}

void FinishInput() {
  VOKCommand::FlushDelayedDestructions();
  for (const char* className : kTracedClasses) ImmersiveUITrace::TakeCaptured(className);
}

void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "fuzz: %.*s [%.*s] (setting %zu, layout \"%s\")\n",
               static_cast<int>(what.size()), what.data(), static_cast<int>(detail.size()),
               detail.data(), currentSetting, kSettings[currentSetting].layout);
  std::abort();
}

}  // namespace vok_fuzz
