// Host contexts side by side in one process: each keeps its own locale,
// clock, commands and traces, so a calendar driven in one shows that one's
// dates whatever the other does meanwhile; a locale snapshot outlives the
// settings it was taken from.
#include <gtest/gtest.h>

#include <memory>

#include "base_runtime/HostContext.h"
#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKTime.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "datepicker/calendar_test_support.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "services/ImmersiveUITrace.h"

using calendar_test::CalendarUnder;
using calendar_test::Find;
using calendar_test::PressDay;

namespace {

// Makes context current until the scope ends.
class Entered {
 public:
  explicit Entered(vok::HostContext& context) : _previous(vok::HostContext::Install(&context)) {}
  ~Entered() { vok::HostContext::Install(_previous); }
  Entered(const Entered&) = delete;
  Entered& operator=(const Entered&) = delete;

 private:
  vok::HostContext* _previous;
};

// A host's form with a date entry frame, made in the current context.
struct EntryForm {
  EntryForm() : host(std::make_unique<VOKDlgDialog>(nullptr, "Host", VOKDlgStyle::OKButton)) {
    host->SetVisibility(VOKDlgVisibility::Shown);
    auto* father =
        new VOKDlgFrame(host.get(), "Father", VOKDlgStyle::GridLayout | VOKDlgStyle::Placed);
    entry = new VOKQELNavDateEntryFrame(host.get(), father, "DateEntry");
  }
  ~EntryForm() { VOKCommand::FlushDelayedDestructions(); }

  // Presses the calendar button; the calendar it opened.
  VOKQELNavCalendarUI* OpenCalendar() const {
    EXPECT_TRUE(VOKDlgUser::Press(entry->getButton()));
    return CalendarUnder(*entry);
  }
  std::string Field() const { return entry->getEditor()->GetText().ToUtf8(); }
  // Presses the day and OK in calendar; the field's text then.
  std::string PickAndAccept(VOKQELNavCalendarUI* calendar, int day) const {
    EXPECT_TRUE(PressDay(*calendar, day));
    EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
    return Field();
  }
  static std::string MonthShown(const VOKPLMDlgDate& calendar) {
    VOKUnicodeString text;
    Find<VOKDlgCombo>(calendar, "MonthCombo")->GetField(text);
    return text.ToUtf8();
  }
  static std::string YearShown(const VOKPLMDlgDate& calendar) {
    return Find<VOKDlgSpinner>(calendar, "YearSpinner")->GetCurrentText().ToUtf8();
  }

  std::unique_ptr<VOKDlgDialog> host;
  VOKQELNavDateEntryFrame* entry = nullptr;
};

// A German host and a Thai one showing Buddhist-era years, each with its
// own day: their calendars are open at the same time and are picked in
// turns, each in its own context, and a calendar opened afterwards still
// follows its own context's locale.
TEST(HostContextTest, CalendarsOfTwoContextsShowTheirOwnLocalesDates) {
  vok::HostContext german;
  vok::HostContext thai;
  std::unique_ptr<EntryForm> germanForm;
  std::unique_ptr<EntryForm> thaiForm;
  VOKQELNavCalendarUI* germanCalendar = nullptr;
  {
    Entered in(german);
    VOKHostSettings::SetLocale("de_DE");
    VOKHostClock::FixToday(2025, 3, 31);
    germanForm = std::make_unique<EntryForm>();
    germanCalendar = germanForm->OpenCalendar();
    ASSERT_NE(nullptr, germanCalendar);
    EXPECT_EQ("März", EntryForm::MonthShown(*germanCalendar));
    EXPECT_EQ("2025", EntryForm::YearShown(*germanCalendar));
  }
  {
    Entered in(thai);
    VOKHostSettings::SetLocale("th_TH");
    VOKHostSettings::SetThai(true, true);
    VOKHostClock::FixToday(2024, 2, 29);
    thaiForm = std::make_unique<EntryForm>();
    VOKQELNavCalendarUI* thaiCalendar = thaiForm->OpenCalendar();
    ASSERT_NE(nullptr, thaiCalendar);
    EXPECT_EQ("กุมภาพันธ์", EntryForm::MonthShown(*thaiCalendar));
    EXPECT_EQ("2567", EntryForm::YearShown(*thaiCalendar));
    EXPECT_EQ("12/02/2567", thaiForm->PickAndAccept(thaiCalendar, 12));
  }
  {
    Entered in(german);
    EXPECT_EQ("2025", EntryForm::YearShown(*germanCalendar));
    EXPECT_EQ("05.03.2025", germanForm->PickAndAccept(germanCalendar, 5));
    // A calendar opened now reads the field, and writes it, as German text.
    VOKQELNavCalendarUI* again = germanForm->OpenCalendar();
    ASSERT_NE(nullptr, again);
    EXPECT_EQ("März", EntryForm::MonthShown(*again));
    EXPECT_EQ("2025-03-05", calendar_test::Shown(*again));
    EXPECT_EQ("06.03.2025", germanForm->PickAndAccept(again, 6));
    germanForm.reset();
  }
  {
    Entered in(thai);
    EXPECT_EQ("12/02/2567", thaiForm->Field());
    thaiForm.reset();
  }
}

// The settings of a snapshot are those it was taken with, after the
// context's locale changed and in another context.
TEST(HostContextTest, ALocaleSnapshotKeepsTheSettingsItWasTakenWith) {
  vok::ScopedHostContext context;
  VOKHostSettings::SetLocale("de_DE");
  VOKHostSettings::SetDateLayout("dd.mm.yyyy");
  const std::shared_ptr<const vok::HostLocale> before = VOKHostSettings::Snapshot();
  VOKHostSettings::SetLocale("fr_FR");
  VOKHostSettings::SetThai(true, false);
  {
    vok::ScopedHostContext other;
    VOKHostSettings::SetLocale("en_US");
  }
  EXPECT_EQ("de", before->language);
  EXPECT_EQ("de_DE", before->localeName);
  EXPECT_FALSE(before->thai);
  EXPECT_EQ("dd.mm.yyyy", before->settings.dateLayout.value_or("(derived)"));
  EXPECT_EQ("fr", VOKHostSettings::GetLanguage());
  EXPECT_TRUE(VOKHostSettings::IsThai());
  EXPECT_NE(before, VOKHostSettings::Snapshot());
}

// A fresh context starts without the registrations, pending destructions,
// captured records, armed faults or fixed day of the one it replaces, and
// these come back unchanged when it ends.
TEST(HostContextTest, AFreshContextStartsEmptyAndTheOuterOneComesBack) {
  vok::ScopedHostContext outer;
  VOKHostClock::FixToday(2025, 6, 15);
  VOKAllocationFaults::FailClass("VOKDlgLabel");
  auto* sender = new VOKDlgDialog(nullptr, "Sender", 0);
  NotificationSpy spy(sender, sender->GetWindCloseNotification());
  auto* doomed = new VOKDlgDialog(nullptr, "Doomed", 0);
  doomed->RequestDelayedDestruction();
  ImmersiveUITrace::StartCapture("HostContextTest");
  ImmersiveUITrace trace("HostContextTest");
  ImmersiveUITrace::SetSwitch("HostContextTest", true);
  std::ostringstream record;
  record << "outer";
  trace.DumpNow(record);
  const long emitted = ImmersiveUITrace::RecordsEmitted();
  {
    vok::ScopedHostContext fresh;
    EXPECT_EQ(0u, VOKCommand::RegisteredCallbacks());
    EXPECT_EQ(0u, VOKCommand::PendingDestructions());
    EXPECT_EQ(0, ImmersiveUITrace::RecordsEmitted());
    EXPECT_EQ(std::vector<std::string>{}, ImmersiveUITrace::TakeCaptured("HostContextTest"));
    EXPECT_EQ(0, VOKAllocationFaults::Allocations());
    auto* label = new VOKDlgLabel(nullptr, "Label", 0);
    EXPECT_NE(nullptr, label);
    delete label;
    VOKHostClock::FixToday(2030, 1, 1);
    EXPECT_EQ(VOKTime(2030, 1, 1, 0, 0, 0, 0), VOKTime::GetCurrentLocalTime());
    // What a fresh context leaves pending is carried out when it ends.
    auto* left = new VOKDlgDialog(nullptr, "Left", 0);
    left->RequestDelayedDestruction();
    EXPECT_EQ(1u, VOKCommand::PendingDestructions());
  }
  EXPECT_EQ(1u, VOKCommand::RegisteredCallbacks());
  EXPECT_EQ(1u, VOKCommand::PendingDestructions());
  EXPECT_EQ(emitted, ImmersiveUITrace::RecordsEmitted());
  EXPECT_EQ(std::vector<std::string>{"outer"}, ImmersiveUITrace::TakeCaptured("HostContextTest"));
  EXPECT_EQ(nullptr, new VOKDlgLabel(nullptr, "Label", 0));
  EXPECT_EQ(VOKTime(2025, 6, 15, 0, 0, 0, 0), VOKTime::GetCurrentLocalTime());
  ImmersiveUITrace::SetSwitch("HostContextTest", false);
  VOKCommand::FlushDelayedDestructions();
  delete sender;
}

}  // namespace
