// The combo-button frame end to end, its trace records and failure paths.
#include "calendar_test_support.h"
#include "date_frames/VOKQELNavDateComboButtonFrame.h"

using namespace calendar_test;
using Records = std::vector<std::string>;

namespace {

const std::string kTrace = "VOKQELNavDateComboButtonFrame";
const char* const kHelpKey =
    "frame.tabcont.easypage.scrollable.mainFrame.SearchComboCol3_8.VOKImmDate_8.ShortHelp";

class ComboFrameTest : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    CaptureTrace(kTrace);
    combo = new VOKDlgCombo(father, "DateCombo",
                            VOKDlgStyle::Editable | VOKDlgStyle::FreeText | VOKDlgStyle::Placed);
    combo->SetLine("Today", -1, 64);
  }
  VOKQELNavDateComboButtonFrame* MakeFrame(VOKDlgCombo* served) {
    auto* frame = new VOKQELNavDateComboButtonFrame(father, "DateCombo", served);
    button = Find<VOKDlgPushButton>(*frame, "DateCombo_Frame");
    return frame;
  }
  // Types text into the combo, presses the button; the records of the press.
  Records PressWith(const char* text) {
    EXPECT_TRUE(VOKDlgUser::Type(combo, text));
    TakeTrace(kTrace);
    EXPECT_TRUE(VOKDlgUser::Press(button));
    return TakeTrace(kTrace);
  }
  std::string Field() const {
    VOKUnicodeString text;
    combo->GetField(text);
    return text.ToUtf8();
  }

  VOKDlgCombo* combo = nullptr;
  VOKDlgPushButton* button = nullptr;
};

TEST_F(ComboFrameTest, BuildsAShownCalendarButton) {
  VOKMsgCatalog::LoadFromMemory("VOKImmSearchWin", std::string(kHelpKey) + " = Pick a date\n");
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(combo);
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  ASSERT_NE(nullptr, button);
  EXPECT_EQ(0x80000u, button->GetStyle());
  EXPECT_EQ("I_QELNavCHCalendar", button->GetIconName().str());
  EXPECT_EQ("Pick a date", button->GetShortHelp().ToUtf8());
  EXPECT_EQ((VOKDlgGridConstraints{0, 0, 1, 1, 30}), *button->GetGridConstraints());
  EXPECT_EQ(VOKDlgVisibility::Shown, button->GetVisibility());

  VOKMsgCatalog::LoadFromMemory("VOKImmSearchWin", "");
  MakeFrame(combo);
  EXPECT_EQ("Icon", button->GetShortHelp().ToUtf8());
}

TEST_F(ComboFrameTest, OpensOnTheCombosDateBoundToAHiddenEditor) {
  MakeFrame(combo);
  EXPECT_EQ(
      (Records{"VOKQELNavDateComboButtonFrame::StartCalendar", "Using Startdate: 07/04/2021"}),
      PressWith("07/04/2021"));
  VOKQELNavCalendarUI* calendar = CalendarUnder(*button->GetParent());
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ("2021-07-04", Shown(*calendar));
  VOKDlgEditor* hidden = calendar->GetEditor();
  ASSERT_NE(nullptr, hidden);
  EXPECT_EQ("_CalValue", hidden->GetName().str());
  EXPECT_EQ(nullptr, hidden->GetParent());
  EXPECT_EQ(VOKDlgVisibility::Hidden, hidden->GetVisibility());
  EXPECT_EQ("07/04/2021", hidden->GetText().ToUtf8());
}

TEST_F(ComboFrameTest, OpensOnTodayWithoutADate) {
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(combo);
  const std::string start = "VOKQELNavDateComboButtonFrame::StartCalendar";
  const std::string none = "Date not specified.. using default.";
  const struct {
    const char* text;
    Records trace;
  } rows[] = {{"", {start, none}},
              {"1/2/21", {start, none}},
              {"2021-07-04", {start, "Using Startdate: 2021-07-04", "Invalid Date!"}},
              {"02/30/2021", {start, "Using Startdate: 02/30/2021", "Invalid Date!"}}};
  for (const auto& row : rows) {
    EXPECT_EQ(row.trace, PressWith(row.text));
    VOKQELNavCalendarUI* calendar = CalendarUnder(*frame);
    ASSERT_NE(nullptr, calendar) << row.text;
    EXPECT_EQ("2026-12-04", Shown(*calendar)) << row.text;
    EXPECT_TRUE(VOKDlgUser::PressCancel(calendar));
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ComboFrameTest, AnswersSendOneModifyBeforeTheFieldChanges) {
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(combo);
  NotificationSpy spy(combo, combo->GetComboModifyNotification());
  std::vector<std::string> fieldsAtNotify;
  spy.onNotify = [&] { fieldsAtNotify.push_back(Field()); };
  const struct {
    bool (*answer)(VOKDlgDialog*);
    const char* field;
    Records trace;
  } rows[] = {
      {&VOKDlgUser::PressOK,
       "07/05/2021",
       {"VOKQELNavDateComboButtonFrame::OpenCalendarMngt",
        "VOKQELNavDateComboButtonFrame::CloseCalendarMngt"}},
      {&VOKDlgUser::PressCancel,
       "07/04/2021",
       {"VOKQELNavDateComboButtonFrame::CloseCalendarMngt"}},
      {[](VOKDlgDialog* calendar) { return VOKDlgUser::Close(calendar); },
       "07/04/2021",
       {"VOKQELNavDateComboButtonFrame::CloseCalendarMngt"}},
  };
  for (const auto& row : rows) {
    PressWith("07/04/2021");
    VOKQELNavCalendarUI* calendar = CalendarUnder(*frame);
    ASSERT_NE(nullptr, calendar);
    EXPECT_TRUE(PressDay(*calendar, 5));
    spy.count = 0;
    fieldsAtNotify.clear();
    EXPECT_TRUE(row.answer(calendar));
    EXPECT_EQ(1, spy.count);
    EXPECT_EQ(std::vector<std::string>{"07/04/2021"}, fieldsAtNotify);
    EXPECT_EQ(row.field, Field());
    EXPECT_EQ(row.trace, TakeTrace(kTrace));
    EXPECT_TRUE(CalendarsUnder(*frame).empty());
  }
  EXPECT_EQ(1, combo->GetLineCount());
}

TEST_F(ComboFrameTest, ThaiBuddhistEraTextRoundTrips) {
  VOKHostSettings::SetThai(true, true);
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(combo);
  EXPECT_EQ("Using Startdate: 07/04/2021", PressWith("07/04/2564").at(1));
  VOKQELNavCalendarUI* calendar = CalendarUnder(*frame);
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ("2564-07-04", Shown(*calendar));
  EXPECT_EQ("07/04/2564", calendar->GetEditor()->GetText().ToUtf8());
  EXPECT_TRUE(PressDay(*calendar, 10));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ("07/10/2564", Field());
}

TEST_F(ComboFrameTest, CopiesLeaveNothingBehind) {
  const long live = VOKBaseUnknown::LiveObjects();
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(combo);
  {
    VOKQELNavDateComboButtonFrame copy(*frame);
    VOKQELNavDateComboButtonFrame* other = MakeFrame(combo);
    *other = copy;
    delete frame;
    delete other;
  }
  EXPECT_EQ(live, VOKBaseUnknown::LiveObjects());
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
}

TEST_F(ComboFrameTest, MissingWidgetsAreSkippedAndRecorded) {
  VOKAllocationFaults::FailClass("VOKDlgPushButton");
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(combo);
  EXPECT_EQ(nullptr, button);
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  EXPECT_EQ(Records{"Button is NULL!"}, TakeTrace(kTrace));

  VOKAllocationFaults::Clear();
  VOKAllocationFaults::FailClass("VOKDlgEditor");
  frame = MakeFrame(combo);
  VOKAllocationFaults::Clear();
  EXPECT_EQ(Records{"Editor is NULL!"}, TakeTrace(kTrace));
  EXPECT_EQ((Records{"VOKQELNavDateComboButtonFrame::StartCalendar", "Editor is NULL!"}),
            PressWith("07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*frame).empty());

  frame = MakeFrame(nullptr);
  EXPECT_EQ((Records{"VOKQELNavDateComboButtonFrame::StartCalendar", "Combo is NULL!"}),
            PressWith("07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*frame).empty());

  frame = MakeFrame(combo);
  VOKAllocationFaults::FailClass("VOKDlgDialog");
  EXPECT_EQ((Records{"VOKQELNavDateComboButtonFrame::StartCalendar", "PDate is NULL!"}),
            PressWith("07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*frame).empty());
  frame->OpenCalendarMngt(nullptr, nullptr, nullptr);
  EXPECT_EQ((Records{"VOKQELNavDateComboButtonFrame::OpenCalendarMngt", "pDate is NULL!"}),
            TakeTrace(kTrace));
}

TEST_F(ComboFrameTest, OkWithoutAComboReleasesTheCalendarOnly) {
  VOKQELNavDateComboButtonFrame* frame = MakeFrame(nullptr);
  auto* calendar = new VOKQELNavCalendarUI(static_cast<VOKDialog*>(frame));
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  frame->OpenCalendarMngt(calendar, calendar->GetDiaOKNotification(), calendar);
  EXPECT_EQ((Records{"VOKQELNavDateComboButtonFrame::OpenCalendarMngt",
                     "VOKQELNavDateComboButtonFrame::CloseCalendarMngt", "Combo is NULL!",
                     "Combo is NULL!"}),
            TakeTrace(kTrace));
  EXPECT_EQ(VOKDlgVisibility::Hidden, calendar->GetVisibility());
  VOKCommand::FlushDelayedDestructions();
  EXPECT_TRUE(CalendarsUnder(*frame).empty());
}

}  // namespace
