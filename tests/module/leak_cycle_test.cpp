// Thousands of calendars opened from a frame and answered in turn with OK,
// Cancel and the close control: each answer does its work (OK writes the
// picked date, the others leave the field, the field's modify notification
// goes out once), and the toolkit ends with the objects and callbacks it
// started with, without growing on the way.
#include <cstdio>
#include <string>

#include "calendar_test_support.h"
#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"

using namespace calendar_test;

namespace {

// The combo frame shares the calendar's road with the entry frame and
// takes a fifth of the cycles.
constexpr int kEntryCycles = 10000;
constexpr int kComboCycles = kEntryCycles / 5;
constexpr int kCheckEvery = 500;

struct Counts {
  long liveObjects = VOKBaseUnknown::LiveObjects();
  std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  friend bool operator==(const Counts&, const Counts&) = default;
};

std::string Describe(const Counts& counts) {
  return std::to_string(counts.liveObjects) + " objects, " + std::to_string(counts.callbacks) +
         " callbacks";
}

// The field a frame serves and its calendar button, as the user reaches
// them.
class FrameUnderTest {
 public:
  virtual ~FrameUnderTest() = default;
  virtual bool Type(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual VOKDlgPushButton* Button() const = 0;
  virtual VOKDialog& Frame() const = 0;
  virtual VOKNotification* Modified() const = 0;
  virtual VOKCommand* Field() const = 0;
};

class EntryFrame : public FrameUnderTest {
 public:
  EntryFrame(VOKDlgDialog* host, VOKDlgFrame* father)
      : _frame(new VOKQELNavDateEntryFrame(host, father, "DateEntry")) {}
  bool Type(const std::string& text) override {
    return VOKDlgUser::Type(_frame->getEditor(), text.c_str());
  }
  std::string Text() const override { return _frame->getEditor()->GetText().ToUtf8(); }
  VOKDlgPushButton* Button() const override { return _frame->getButton(); }
  VOKDialog& Frame() const override { return *_frame; }
  VOKNotification* Modified() const override {
    return _frame->getEditor()->GetEditModifyNotification();
  }
  VOKCommand* Field() const override { return _frame->getEditor(); }

 private:
  VOKQELNavDateEntryFrame* _frame;
};

class ComboFrame : public FrameUnderTest {
 public:
  explicit ComboFrame(VOKDlgFrame* father)
      : _combo(new VOKDlgCombo(father, "DateCombo", VOKDlgStyle::Editable | VOKDlgStyle::Placed)),
        _frame(new VOKQELNavDateComboButtonFrame(father, "DateComboButton", _combo)) {}
  bool Type(const std::string& text) override { return VOKDlgUser::Type(_combo, text.c_str()); }
  std::string Text() const override {
    VOKUnicodeString text;
    _combo->GetField(text);
    return text.ToUtf8();
  }
  VOKDlgPushButton* Button() const override {
    return Find<VOKDlgPushButton>(*_frame, "DateComboButton_Frame");
  }
  VOKDialog& Frame() const override { return *_frame; }
  VOKNotification* Modified() const override { return _combo->GetComboModifyNotification(); }
  VOKCommand* Field() const override { return _combo; }

 private:
  VOKDlgCombo* _combo;
  VOKQELNavDateComboButtonFrame* _frame;
};

std::string DateText(int month, int day, int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", month, day, year);
  return text;
}

class LeakCycleTest : public FrameFixture {
 protected:
  void SetUp() override {
    beforeHost = Counts();
    FrameFixture::SetUp();
  }

  // Deletes the host dialog with everything under it.
  void CloseHost() {
    delete host;
    host = nullptr;
    VOKCommand::FlushDelayedDestructions();
  }

  // One cycle: type a date, open the calendar on it, pick another day and
  // answer. Returns what went wrong, or "".
  static std::string Cycle(FrameUnderTest& frame, int cycle) {
    const int month = 1 + cycle % 12;
    const int day = 1 + cycle % 28;
    const int year = 1970 + cycle % 69;
    const std::string typed = DateText(month, day, year);
    if (!frame.Type(typed)) return "the field took no text";
    if (!VOKDlgUser::Press(frame.Button())) return "the button could not be pressed";
    VOKQELNavCalendarUI* calendar = CalendarUnder(frame.Frame());
    if (calendar == nullptr) return "not exactly one calendar open";
    const int picked = day % 28 + 1;
    if (!PressDay(*calendar, picked)) return "day " + std::to_string(picked) + " not pressed";

    std::string expected = typed;
    bool answered;
    if (cycle % 3 == 0) {
      answered = VOKDlgUser::PressOK(calendar);
      expected = DateText(month, picked, year);
    } else if (cycle % 3 == 1) {
      answered = VOKDlgUser::PressCancel(calendar);
    } else {
      answered = VOKDlgUser::Close(calendar);
    }
    if (!answered) return "the calendar could not be answered";
    if (!CalendarsUnder(frame.Frame()).empty()) return "the calendar is still there";
    if (frame.Text() != expected) return "the field holds \"" + frame.Text() + "\"";
    return "";
  }

  void RunCycles(FrameUnderTest& frame, int cycles) {
    NotificationSpy modified(frame.Field(), frame.Modified());
    const Counts atStart;
    for (int cycle = 0; cycle < cycles; ++cycle) {
      const std::string problem = Cycle(frame, cycle);
      ASSERT_EQ("", problem) << "cycle " << cycle;
      if (cycle % kCheckEvery == 0) {
        const Counts now;
        ASSERT_EQ(atStart, now) << "cycle " << cycle << ": " << Describe(now) << ", at start "
                                << Describe(atStart);
      }
    }
    // Typing and answering send the field's modify notification once each.
    EXPECT_EQ(2 * cycles, modified.count);
    EXPECT_EQ(Describe(atStart), Describe(Counts()));
  }

  Counts beforeHost;
};

TEST_F(LeakCycleTest, EntryFrameCyclesLeaveNothingBehind) {
  {
    EntryFrame frame(host, father);
    RunCycles(frame, kEntryCycles);
  }
  CloseHost();
  EXPECT_EQ(Describe(beforeHost), Describe(Counts()));
}

TEST_F(LeakCycleTest, ComboFrameCyclesLeaveNothingBehind) {
  {
    ComboFrame frame(father);
    RunCycles(frame, kComboCycles);
  }
  CloseHost();
  EXPECT_EQ(Describe(beforeHost), Describe(Counts()));
}

}  // namespace
