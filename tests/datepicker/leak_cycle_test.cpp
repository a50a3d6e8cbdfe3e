// Thousands of calendars opened from a frame and answered in turn with OK,
// Cancel and the close control: OK writes the picked date, the others leave
// the field, the field's modify notification goes out once per change, and
// the toolkit ends with the objects and callbacks it started with, without
// growing on the way.
#include <cstdio>
#include <functional>
#include <string>

#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "datepicker/calendar_test_support.h"

using namespace calendar_test;

namespace {

constexpr int kEntryCycles = 10000;
constexpr int kComboCycles = kEntryCycles / 5;  // same calendar road as the entry frame
constexpr int kCheckEvery = 500;

std::string Counts() {
  return std::to_string(VOKBaseUnknown::LiveObjects()) + " objects, " +
         std::to_string(VOKCommand::RegisteredCallbacks()) + " callbacks";
}

std::string DateText(int month, int day, int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", month, day, year);
  return text;
}

// A frame's field and calendar button, as the user reaches them.
struct FrameUnderTest {
  std::function<bool(const std::string&)> type;
  std::function<std::string()> text;
  VOKDlgPushButton* button;
  VOKDialog* frame;
  VOKCommand* field;
  VOKNotification* modified;
};

// One cycle: type a date, open the calendar on it, pick another day and
// answer. Returns what went wrong, or "".
std::string Cycle(const FrameUnderTest& frame, int cycle) {
  const int month = 1 + cycle % 12, day = 1 + cycle % 28, year = 1970 + cycle % 69;
  std::string expected = DateText(month, day, year);
  if (!frame.type(expected)) return "the field took no text";
  if (!VOKDlgUser::Press(frame.button)) return "the button could not be pressed";
  VOKQELNavCalendarUI* calendar = CalendarUnder(*frame.frame);
  if (calendar == nullptr) return "not exactly one calendar open";
  const int picked = day % 28 + 1;
  if (!PressDay(*calendar, picked)) return "day " + std::to_string(picked) + " not pressed";
  bool answered;
  if (cycle % 3 == 0) {
    answered = VOKDlgUser::PressOK(calendar);
    expected = DateText(month, picked, year);
  } else {
    answered = cycle % 3 == 1 ? VOKDlgUser::PressCancel(calendar) : VOKDlgUser::Close(calendar);
  }
  if (!answered) return "the calendar could not be answered";
  if (!CalendarsUnder(*frame.frame).empty()) return "the calendar is still there";
  if (frame.text() != expected) return "the field holds \"" + frame.text() + "\"";
  return "";
}

class LeakCycleTest : public FrameFixture {
 protected:
  void SetUp() override {
    beforeHost = Counts();
    FrameFixture::SetUp();
  }

  // Runs the cycles, then deletes the host with everything under it.
  void RunCyclesAndCloseHost(const FrameUnderTest& frame, int cycles) {
    {
      NotificationSpy modified(frame.field, frame.modified);
      const std::string atStart = Counts();
      for (int cycle = 0; cycle < cycles; ++cycle) {
        ASSERT_EQ("", Cycle(frame, cycle)) << "cycle " << cycle;
        if (cycle % kCheckEvery == 0) {
          ASSERT_EQ(atStart, Counts()) << "cycle " << cycle;
        }
      }
      // Typing and answering send the field's modify notification once each.
      EXPECT_EQ(2 * cycles, modified.count);
      EXPECT_EQ(atStart, Counts());
    }
    delete host;
    host = nullptr;
    VOKCommand::FlushDelayedDestructions();
    EXPECT_EQ(beforeHost, Counts());
  }

  std::string beforeHost;
};

TEST_F(LeakCycleTest, EntryFrameCyclesLeaveNothingBehind) {
  auto* entry = new VOKQELNavDateEntryFrame(host, father, "DateEntry");
  VOKDlgEditor* editor = entry->getEditor();
  RunCyclesAndCloseHost(
      {[editor](const std::string& text) { return VOKDlgUser::Type(editor, text.c_str()); },
       [editor] { return editor->GetText().ToUtf8(); }, entry->getButton(), entry, editor,
       editor->GetEditModifyNotification()},
      kEntryCycles);
}

TEST_F(LeakCycleTest, ComboFrameCyclesLeaveNothingBehind) {
  auto* combo = new VOKDlgCombo(
      father, "DateCombo", VOKDlgStyle::Editable | VOKDlgStyle::FreeText | VOKDlgStyle::Placed);
  auto* frame = new VOKQELNavDateComboButtonFrame(father, "DateComboButton", combo);
  RunCyclesAndCloseHost(
      {[combo](const std::string& text) { return VOKDlgUser::Type(combo, text.c_str()); },
       [combo] {
         VOKUnicodeString text;
         combo->GetField(text);
         return text.ToUtf8();
       },
       Find<VOKDlgPushButton>(*frame, "DateComboButton_Frame"), frame, combo,
       combo->GetComboModifyNotification()},
      kComboCycles);
}

}  // namespace
