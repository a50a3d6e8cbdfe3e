// The entry frame's trace records, its failure paths by fault injection,
// and its run-time class.
#include "calendar_test_support.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"

using namespace calendar_test;
using Records = std::vector<std::string>;

namespace {

const std::string kTrace = "VOKQELNavDateEntryFrame";
const Records kRegistrations = {
    "Adding OpenCalendarMngt action to OK Notification",      "RC = Success!",
    "Adding CloseCalendarMngt action to CANCEL Notification", "RC = Success!",
    "Adding CloseCalendarMngt action to CLOSE Notification",  "RC = Success!",
    "End of VOKQELNavDateEntryFrame::StartCalendar"};

class EntryFrameTraceTest : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    CaptureTrace(kTrace);
  }
  VOKQELNavDateEntryFrame* MakeFrame() {
    return new VOKQELNavDateEntryFrame(host, father, "DateEntry");
  }
  Records PressWith(VOKQELNavDateEntryFrame& frame, const char* text) {
    VOKDlgUser::Type(frame.getEditor(), text);
    TakeTrace(kTrace);
    EXPECT_TRUE(VOKDlgUser::Press(frame.getButton()));
    return TakeTrace(kTrace);
  }
  static Records Then(Records head, const Records& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  }
};

// A text that is no date is dropped silently and the calendar opens on today.
TEST_F(EntryFrameTraceTest, StartCalendarRecordsItsDecisions) {
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  const struct {
    const char* text;
    const char* record;
    const char* shown;
  } rows[] = {{"07/04/2021", "Using Startdate: 07/04/2021", "2021-07-04"},
              {"02/30/2021", "Using Startdate: 02/30/2021", "2026-12-04"},
              {"2021-07-04", "Using Startdate: 2021-07-04", "2026-12-04"},
              {"1/2/21", "Date not specified.. using default.", "2026-12-04"},
              {"", "Date not specified.. using default.", "2026-12-04"}};
  for (const auto& row : rows) {
    EXPECT_EQ(Then({"VOKQELNavDateEntryFrame::StartCalendar", row.record}, kRegistrations),
              PressWith(*frame, row.text));
    VOKQELNavCalendarUI* calendar = CalendarUnder(*frame);
    ASSERT_NE(nullptr, calendar) << row.text;
    EXPECT_EQ(row.shown, Shown(*calendar)) << row.text;
    EXPECT_TRUE(VOKDlgUser::PressCancel(calendar));
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(EntryFrameTraceTest, AnswersRecordTheirSteps) {
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  PressWith(*frame, "07/04/2021");
  EXPECT_TRUE(VOKDlgUser::PressOK(CalendarUnder(*frame)));
  EXPECT_EQ(
      (Records{"VOKQELNavDateEntryFrame::OpenCalendarMngt",
               "VOKQELNavDateEntryFrame::CloseCalendarMngt", "Editor text set to: \"07/04/2021\""}),
      TakeTrace(kTrace));
  PressWith(*frame, "07/04/2021");
  EXPECT_TRUE(VOKDlgUser::Close(CalendarUnder(*frame)));
  EXPECT_EQ(Records{"VOKQELNavDateEntryFrame::CloseCalendarMngt"}, TakeTrace(kTrace));
  frame->OpenCalendarMngt(nullptr, nullptr, nullptr);
  EXPECT_EQ(Records{"VOKQELNavDateEntryFrame::OpenCalendarMngt"}, TakeTrace(kTrace));
}

TEST_F(EntryFrameTraceTest, WithoutAnEditorOrAButtonNothingIsRegistered) {
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  VOKAllocationFaults::FailClass("VOKDlgPushButton");
  VOKQELNavDateEntryFrame* noButton = MakeFrame();
  ASSERT_NE(nullptr, noButton->getEditor());
  EXPECT_EQ(nullptr, noButton->getButton());
  EXPECT_EQ(VOKDlgVisibility::Shown, noButton->GetVisibility());
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());

  VOKAllocationFaults::Clear();
  VOKAllocationFaults::FailClass("VOKDlgEditor");
  TakeTrace(kTrace);
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  EXPECT_EQ(nullptr, frame->getEditor());
  EXPECT_EQ(nullptr, frame->getButton());
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
  frame->StartCalendar(nullptr, nullptr, nullptr);
  EXPECT_EQ((Records{"VOKQELNavDateEntryFrame::StartCalendar", "Editor is NULL!"}),
            TakeTrace(kTrace));
  EXPECT_TRUE(CalendarsUnder(*frame).empty());
}

TEST_F(EntryFrameTraceTest, ACalendarThatCannotBeCreatedIsRecorded) {
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  const long live = VOKBaseUnknown::LiveObjects();
  VOKAllocationFaults::FailClass("VOKDlgDialog");
  EXPECT_EQ((Records{"VOKQELNavDateEntryFrame::StartCalendar", "Calendar UI not created!",
                     "End of VOKQELNavDateEntryFrame::StartCalendar"}),
            PressWith(*frame, "07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*frame).empty());
  EXPECT_EQ(live, VOKBaseUnknown::LiveObjects());
}

TEST_F(EntryFrameTraceTest, RunTimeClassIsAskedOnceAndKnowsItsBases) {
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  EXPECT_STREQ("VOKQELNavDateEntryFrame", frame->IsA());
  EXPECT_NE(0, frame->IsAKindOf("VOKDlgFrame"));
  EXPECT_NE(0, frame->IsAKindOf("VOKBaseUnknown"));
  EXPECT_EQ(0, frame->IsAKindOf("VOKQELNavDateComboButtonFrame"));
  VOKMetaClass* meta = VOKQELNavDateEntryFrame::MetaObject();
  EXPECT_EQ(meta, frame->GetMetaObject());
  EXPECT_EQ(VOKDlgFrame::MetaObject(), meta->GetBase());
  EXPECT_STREQ("VOKImmQELCommon", meta->GetComponentName());
  EXPECT_EQ(nullptr, VOKQELNavDateEntryFrame::CreateItself());
  EXPECT_EQ(1, VOKMetaClassRetrievals("VOKQELNavDateEntryFrame"));
}

}  // namespace
