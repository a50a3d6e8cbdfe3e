// The calendar's error box: texts from catalog "VOKZeltSheetEditor" under
// the caller's key, defaults for missing keys, and no box without a parent.
#include "datepicker/calendar_test_support.h"

namespace {

const std::string kTrace = "VOKQELNavCalendarUI";

class CalendarErrorDialogTest : public CalendarFixture {
 protected:
  void SetUp() override {
    CalendarFixture::SetUp();
    VOKMsgCatalog::LoadFromMemory("VOKZeltSheetEditor",
                                  "BadDate.Text = The date %1 is not valid before %2\n"
                                  "BadDate.Title = Wrong date\n"
                                  "Plain.Text = Something went wrong\n");
    CaptureTrace(kTrace);
  }
  VOKDlgDialog parent{nullptr, "Parent", 0};
};

TEST_F(CalendarErrorDialogTest, ShowsCatalogTextsWithParametersUnderTheParentThenReleasesTheBox) {
  VOKQELNavCalendarUI calendar(&parent);
  const long live = VOKBaseUnknown::LiveObjects();
  std::vector<std::string> traceWhileShown;
  onBox = [&](VOKDlgNotify&) { traceWhileShown = TakeTrace(kTrace); };
  VOKUnicodeString params[] = {"13/13/2024", "2039"};
  calendar.ShowErrorDialog("BadDate", params, 2);

  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("Error", boxes[0].name);
  EXPECT_EQ("Wrong date", boxes[0].title);
  EXPECT_EQ("The date 13/13/2024 is not valid before 2039", boxes[0].message);
  EXPECT_EQ(&parent, boxes[0].parent);
  // The call blocks until the box is answered.
  EXPECT_EQ(std::vector<std::string>{"VOKQELNavCalendarUI::ShowErrorDialog START"},
            traceWhileShown);
  EXPECT_EQ(std::vector<std::string>{"VOKQELNavCalendarUI::ShowErrorDialog END"},
            TakeTrace(kTrace));
  EXPECT_EQ(1u, VOKCommand::PendingDestructions());
  VOKCommand::FlushDelayedDestructions();
  EXPECT_EQ(live, VOKBaseUnknown::LiveObjects());
}

TEST_F(CalendarErrorDialogTest, MissingKeysGiveTheKeyAndErrorAsTexts) {
  VOKQELNavCalendarUI calendar(&parent);
  calendar.ShowErrorDialog("Plain", nullptr, 0);
  calendar.ShowErrorDialog("NoSuchKey", nullptr, 0);
  ASSERT_EQ(2u, boxes.size());
  EXPECT_EQ("Something went wrong", boxes[0].message);
  EXPECT_EQ("Error", boxes[0].title);
  EXPECT_EQ("NoSuchKey", boxes[1].message);
  EXPECT_EQ("Error", boxes[1].title);
}

TEST_F(CalendarErrorDialogTest, NoBoxWithoutAParentOrWhenItCannotBeCreated) {
  VOKQELNavCalendarUI calendar;
  calendar.ShowErrorDialog("BadDate", nullptr, 0);
  EXPECT_EQ((std::vector<std::string>{"VOKQELNavCalendarUI::ShowErrorDialog START",
                                      "Parent Dialog is NULL",
                                      "VOKQELNavCalendarUI::ShowErrorDialog END"}),
            TakeTrace(kTrace));
  VOKQELNavCalendarUI withParent(&parent);
  VOKAllocationFaults::FailClass("VOKDlgNotify");
  withParent.ShowErrorDialog("BadDate", nullptr, 0);
  EXPECT_EQ(2u, TakeTrace(kTrace).size());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
