// The entry frame end to end: type a date, press the calendar button, pick
// in the calendar, answer it, and read the editor.
#include "calendar_test_support.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"

using namespace calendar_test;

namespace {

class EntryFrameTest : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    frame = new VOKQELNavDateEntryFrame(host, father, "DateEntry");
    editor = frame->getEditor();
  }
  // Types text into the editor and opens a calendar on it.
  VOKQELNavCalendarUI* OpenOn(const char* text) {
    EXPECT_TRUE(VOKDlgUser::Type(editor, text));
    EXPECT_TRUE(VOKDlgUser::Press(frame->getButton()));
    return CalendarUnder(*frame);
  }

  VOKQELNavDateEntryFrame* frame = nullptr;
  VOKDlgEditor* editor = nullptr;
};

TEST_F(EntryFrameTest, BuildsAnEmptyEditorAndACalendarButton) {
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  ASSERT_NE(nullptr, editor);
  EXPECT_EQ("_calEditor", editor->GetName().str());
  EXPECT_EQ("", editor->GetText().ToUtf8());
  EXPECT_EQ((VOKDlgGridConstraints{0, 0, 1, 1, 30}), *editor->GetGridConstraints());
  VOKDlgPushButton* button = frame->getButton();
  ASSERT_NE(nullptr, button);
  EXPECT_EQ("_calButton", button->GetName().str());
  EXPECT_EQ(0x80000u, button->GetStyle());
  EXPECT_EQ("I_QELNavCHCalendar", button->GetIconName().str());
  EXPECT_EQ((VOKDlgGridConstraints{0, 1, 1, 1, 4}), *button->GetGridConstraints());
  EXPECT_EQ(1, frame->GetGridColumnResizable(0));
  EXPECT_EQ(0, frame->GetGridColumnResizable(1));
  EXPECT_EQ(0, frame->GetGridRowResizable(1));

  auto* named = new VOKQELNavDateEntryFrame(father, "Named", "MyEditor", "MyButton", -1);
  EXPECT_EQ("MyEditor", named->getEditor()->GetName().str());
  EXPECT_EQ("MyButton", named->getButton()->GetName().str());
  EXPECT_EQ(~std::uint64_t{0}, named->getButton()->GetStyle());  // widened with its sign
}

TEST_F(EntryFrameTest, OpensOnTheEditorsDateAndOkWritesThePickedDate) {
  VOKQELNavCalendarUI* calendar = OpenOn("07/04/2021");
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ(VOKDlgVisibility::Shown, calendar->GetVisibility());
  EXPECT_EQ(editor, calendar->GetEditor());
  EXPECT_EQ("2021-07-04", Shown(*calendar));
  EXPECT_TRUE(ChooseMonth(*calendar, 2));
  EXPECT_TRUE(TypeYear(*calendar, "2024"));
  EXPECT_TRUE(PressDay(*calendar, 29));
  EXPECT_EQ("2024-02-29", Shown(*calendar));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ("02/29/2024", editor->GetText().ToUtf8());
  EXPECT_TRUE(CalendarsUnder(*frame).empty());
}

TEST_F(EntryFrameTest, OkWritesInTheLocalesConversionFormat) {
  UseLayout("dd.mm.yyyy");
  VOKQELNavCalendarUI* calendar = OpenOn("04.07.2021");
  ASSERT_NE(nullptr, calendar);
  EXPECT_TRUE(VOKDlgUser::Type(editor, "whatever"));
  EXPECT_TRUE(PressDay(*calendar, 14));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ("14.07.2021", editor->GetText().ToUtf8());
}

TEST_F(EntryFrameTest, EachAnswerSendsOneModifyBeforeTheTextChanges) {
  NotificationSpy spy(editor, editor->GetEditModifyNotification());
  std::vector<std::string> textsAtNotify;
  spy.onNotify = [&] { textsAtNotify.push_back(editor->GetText().ToUtf8()); };
  const struct {
    bool (*answer)(VOKDlgDialog*);
    const char* expected;
  } answers[] = {
      {&VOKDlgUser::PressOK, "07/05/2021"},
      {&VOKDlgUser::PressCancel, "07/04/2021"},
      {[](VOKDlgDialog* calendar) { return VOKDlgUser::Close(calendar); }, "07/04/2021"},
  };
  for (const auto& row : answers) {
    VOKQELNavCalendarUI* calendar = OpenOn("07/04/2021");
    ASSERT_NE(nullptr, calendar);
    EXPECT_TRUE(PressDay(*calendar, 5));
    spy.count = 0;
    textsAtNotify.clear();
    EXPECT_TRUE(row.answer(calendar));
    EXPECT_EQ(1, spy.count);
    EXPECT_EQ(std::vector<std::string>{"07/04/2021"}, textsAtNotify);
    EXPECT_EQ(row.expected, editor->GetText().ToUtf8());
    EXPECT_TRUE(CalendarsUnder(*frame).empty());
  }
}

TEST_F(EntryFrameTest, TwoCalendarsEachWriteTheirOwnDateAndReleaseOnlyThemselves) {
  EXPECT_TRUE(VOKDlgUser::Type(editor, "07/04/2021"));
  EXPECT_TRUE(VOKDlgUser::Press(frame->getButton()));
  EXPECT_TRUE(VOKDlgUser::Press(frame->getButton()));
  const auto calendars = CalendarsUnder(*frame);
  ASSERT_EQ(2u, calendars.size());
  EXPECT_TRUE(PressDay(*calendars[0], 10));
  EXPECT_TRUE(PressDay(*calendars[1], 20));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendars[1]));
  EXPECT_EQ("07/20/2021", editor->GetText().ToUtf8());
  ASSERT_EQ(std::vector<VOKQELNavCalendarUI*>{calendars[0]}, CalendarsUnder(*frame));
  EXPECT_EQ("2021-07-10", Shown(*calendars[0]));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendars[0]));
  EXPECT_EQ("07/10/2021", editor->GetText().ToUtf8());
}

class OkRecordingFrame : public VOKQELNavDateEntryFrame {
 public:
  using VOKQELNavDateEntryFrame::VOKQELNavDateEntryFrame;
  void OpenCalendarMngt(VOKCommand* sender, VOKNotification*, void* data) override {
    senders.push_back(sender);
    calendars.push_back(data);
  }
  std::vector<VOKCommand*> senders;
  std::vector<void*> calendars;
};

TEST_F(EntryFrameTest, ADerivedFrameReceivesOk) {
  auto* derived = new OkRecordingFrame(host, father, "Derived");
  EXPECT_TRUE(VOKDlgUser::Type(derived->getEditor(), "07/04/2021"));
  EXPECT_TRUE(VOKDlgUser::Press(derived->getButton()));
  VOKQELNavCalendarUI* calendar = CalendarUnder(*derived);
  ASSERT_NE(nullptr, calendar);
  EXPECT_TRUE(PressDay(*calendar, 9));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ(std::vector<VOKCommand*>{calendar}, derived->senders);
  EXPECT_EQ(std::vector<void*>{calendar}, derived->calendars);
  EXPECT_EQ("07/04/2021", derived->getEditor()->GetText().ToUtf8());
  EXPECT_EQ(calendar, CalendarUnder(*derived));
}

TEST_F(EntryFrameTest, ThaiBuddhistEraTextRoundTrips) {
  VOKHostSettings::SetThai(true, true);
  CaptureTrace("VOKQELNavDateEntryFrame");
  VOKQELNavCalendarUI* calendar = OpenOn("07/04/2564");
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ("2564-07-04", Shown(*calendar));
  EXPECT_EQ("Using Startdate: 07/04/2021", TakeTrace("VOKQELNavDateEntryFrame").at(1));
  EXPECT_TRUE(PressDay(*calendar, 10));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ("07/10/2564", editor->GetText().ToUtf8());
  EXPECT_EQ("Editor text set to: \"07/10/2021\"", TakeTrace("VOKQELNavDateEntryFrame").back());
}

}  // namespace
