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

TEST_F(EntryFrameTraceTest, StartCalendarRecordsItsDecisions) {
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  const Records start = {"VOKQELNavDateEntryFrame::StartCalendar"};
  EXPECT_EQ(Then(Then(start, {"Using Startdate: 07/04/2021"}), kRegistrations),
            PressWith(*frame, "07/04/2021"));
  // A text that is no date is dropped silently.
  EXPECT_EQ(Then(Then(start, {"Using Startdate: 02/30/2021"}), kRegistrations),
            PressWith(*frame, "02/30/2021"));
  EXPECT_EQ(Then(Then(start, {"Date not specified.. using default."}), kRegistrations),
            PressWith(*frame, "1/2/21"));
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

TEST_F(EntryFrameTraceTest, WithoutAnEditorThereIsNoButtonAndNoCalendar) {
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  VOKAllocationFaults::FailClass("VOKDlgEditor");
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

TEST_F(EntryFrameTraceTest, WithoutAButtonTheEditorStays) {
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  VOKAllocationFaults::FailClass("VOKDlgPushButton");
  VOKQELNavDateEntryFrame* frame = MakeFrame();
  ASSERT_NE(nullptr, frame->getEditor());
  EXPECT_EQ(nullptr, frame->getButton());
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
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
  EXPECT_STREQ("VOKQELNavDateEntryFrame", VOKQELNavDateEntryFrame::ClassName());
  for (const char* base :
       {"VOKQELNavDateEntryFrame", "VOKDlgFrame", "VOKDialog", "VOKCommand", "VOKBaseUnknown"}) {
    EXPECT_NE(0, frame->IsAKindOf(base)) << base;
  }
  EXPECT_EQ(0, frame->IsAKindOf("VOKDlgEditor"));
  EXPECT_EQ(0, frame->IsAKindOf("VOKQELNavDateComboButtonFrame"));
  VOKMetaClass* meta = VOKQELNavDateEntryFrame::MetaObject();
  EXPECT_EQ(meta, frame->GetMetaObject());
  EXPECT_EQ(VOKDlgFrame::MetaObject(), meta->GetBase());
  EXPECT_EQ(1, meta->GetKind());
  EXPECT_STREQ("VOKImmQELCommon", meta->GetComponentName());
  EXPECT_EQ(sizeof(VOKQELNavDateEntryFrame), meta->GetSize());
  EXPECT_EQ(&meta->GetClassId(), &VOKQELNavDateEntryFrame::ClassId());
  EXPECT_EQ(nullptr, VOKQELNavDateEntryFrame::CreateItself());
  EXPECT_EQ(1, VOKMetaClassRetrievals("VOKQELNavDateEntryFrame"));
}

}  // namespace
