// The date-picker dialog's widget tree, naming, copying, destruction and
// what it builds when the host cannot create some of its widgets.
#include <string>
#include <vector>

#include "base_runtime/VOKBaseUnknown.h"
#include "datepicker/calendar_test_support.h"

using calendar_test::ChooseMonth;
using calendar_test::Find;
using calendar_test::PressDay;
using calendar_test::Shown;
using calendar_test::TypeYear;

namespace {

// Read before any test runs, so whatever the order of tests.
const std::string kUidAtStart = VOKPLMDlgDate::uid;
const int kUidNAtStart = VOKPLMDlgDate::uidN;

std::string Name(int n) { return "Calendar" + std::to_string(n); }

// Attachment lines as "line:mode widget widget; ...".
std::string Lines(const std::vector<VOKDlgAttachment>& attachments) {
  std::string text;
  for (const VOKDlgAttachment& a : attachments) {
    text += (text.empty() ? "" : "; ") + std::to_string(a.line) + ":" + std::to_string(a.mode);
    for (const VOKDialog* widget : a.widgets) text += " " + widget->GetName().str();
  }
  return text;
}

std::string ChildNames(const VOKDialog& parent) {
  std::string names;
  for (const VOKDialog* child : parent.GetChildren()) names += child->GetName().str() + " ";
  return names;
}

TEST_F(DateDialogTest, SuccessiveDialogsTakeTheNextNamesFromCalendar0) {
  EXPECT_EQ("Calendar0", kUidAtStart);
  EXPECT_EQ(0, kUidNAtStart);
  const int first = VOKPLMDlgDate::uidN;
  ASSERT_EQ(Name(first), VOKPLMDlgDate::uid);
  CaptureTrace("VOKPLMDlgDate");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Name(first + i), Open().GetName().str());
  EXPECT_EQ(Name(first + 3), VOKPLMDlgDate::uid);
  EXPECT_EQ("Calendar New UID: " + Name(first + 3), TakeTrace("VOKPLMDlgDate").back());
}

// Where each widget stands is what the front-end snapshots show; the
// attachments' modes are checked here because that front end draws some of
// them alike.
TEST_F(DateDialogTest, ModelessWindowWithItsFramesAttachedInOrder) {
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ(host.get(), dialog.GetParent());
  EXPECT_NE(0u, dialog.GetStyle() & VOKDlgStyle::Modeless);  // the host stays usable
  EXPECT_EQ("Choose a date", dialog.GetTitle().ToUtf8());
  EXPECT_EQ("YearMonthFrame DaySepartor DayFrame ", ChildNames(dialog));
  EXPECT_EQ("1:1 YearMonthFrame DaySepartor DayFrame; 2:4 YearMonthFrame DaySepartor DayFrame",
            Lines(dialog.GetTabulation().Vertical()));
  EXPECT_EQ("1:5 YearMonthFrame; 2:1 DaySepartor; 3:5 DayFrame",
            Lines(dialog.GetTabulation().Horizontal()));
  const auto* top = Find<VOKDlgFrame>(dialog, "YearMonthFrame");
  EXPECT_EQ("1:1 MonthCombo YearSpinner", Lines(top->GetTabulation().Horizontal()));
  EXPECT_EQ("1:5 MonthCombo; 2:5 YearSpinner", Lines(top->GetTabulation().Vertical()));
  EXPECT_EQ(1970.0f, Spinner(dialog)->GetMinimum());
  EXPECT_EQ(2038.0f, Spinner(dialog)->GetMaximum());
}

TEST_F(DateDialogTest, WithoutCatalogTextsTheTitlesAreEmpty) {
  VOKMsgCatalog::LoadFromMemory("VOKPLMDlgDate", "");
  VOKPLMDlgDate& untitled = Open();
  EXPECT_EQ("", untitled.GetTitle().ToUtf8());
  EXPECT_EQ("", untitled.FindDescendant("day1")->GetTitle().ToUtf8());
  EXPECT_EQ("", untitled.FindDescendant("day7")->GetTitle().ToUtf8());
}

TEST_F(DateDialogTest, StripNLSRemovesOnlyDecorationAndBlanks) {
  const std::pair<const char*, const char*> rows[] = {
      {"[dd]/[mm]/[yyyy]", "dd/mm/yyyy"}, {"~ 12 ~", "12"}, {"a\tb", "a\tb"}, {" [~] ", ""}};
  for (const auto& [text, stripped] : rows) {
    VOKUnicodeString value(text);
    VOKPLMDlgDate::StripNLS(value);
    EXPECT_EQ(stripped, value.ToUtf8()) << text;
  }
}

TEST_F(DateDialogTest, CopiesShareTheWidgetsButOwnTheirArrays) {
  VOKPLMDlgDate& dialog = Open();
  VOKPLMDlgDate& other = Open();
  const std::string uidBefore = VOKPLMDlgDate::uid;
  {
    VOKPLMDlgDate copy(dialog);
    EXPECT_EQ(dialog.GetDate(), copy.GetDate());
    copy.SetDay(20);
    EXPECT_EQ("2026-12-20", Shown(dialog));
    other = copy;
    EXPECT_EQ(20, other.GetDay());
    delete &other;
  }
  EXPECT_EQ(uidBefore, VOKPLMDlgDate::uid);
  EXPECT_TRUE(PressDay(dialog, 9));
  EXPECT_EQ(9, dialog.GetDay());
  EXPECT_TRUE(ChooseMonth(dialog, 2));
  EXPECT_EQ(VOKTime(2026, 2, 9, 0, 0, 0, 0), dialog.GetDate());
}

TEST_F(DateDialogTest, DestroyingTheDialogReleasesItsWidgets) {
  const long before = VOKBaseUnknown::LiveObjects();
  VOKPLMDlgDate& dialog = Open();
  CaptureTrace("VOKPLMDlgDate");
  delete &dialog;
  EXPECT_EQ(std::vector<std::string>{"VOKPLMDlgDate::~VOKPLMDlgDate"}, TakeTrace("VOKPLMDlgDate"));
  EXPECT_TRUE(host->GetChildren().empty());
  EXPECT_EQ(before, VOKBaseUnknown::LiveObjects());
}

// Each widget class the host fails to create in turn: the dialog skips
// what needs it, stays usable for the rest and never crashes.
TEST_F(DateDialogTest, MissingSpinnerLeavesMonthsAndDaysWorking) {
  VOKAllocationFaults::FailClass("VOKDlgSpinner");
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ(nullptr, Spinner(dialog));
  EXPECT_TRUE(Find<VOKDlgFrame>(dialog, "YearMonthFrame")->GetTabulation().Horizontal().empty());
  EXPECT_TRUE(ChooseMonth(dialog, 2));
  EXPECT_TRUE(PressDay(dialog, 28));
  EXPECT_EQ(VOKTime(2026, 2, 28, 0, 0, 0, 0), dialog.GetDate());
}

TEST_F(DateDialogTest, MissingComboLeavesYearAndDaysWorking) {
  VOKAllocationFaults::FailClass("VOKDlgCombo");
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ(nullptr, Find<VOKDlgCombo>(dialog, "MonthCombo"));
  EXPECT_TRUE(TypeYear(dialog, "2025"));
  EXPECT_EQ(VOKTime(2025, 12, 4, 0, 0, 0, 0), dialog.GetDate());
  EXPECT_EQ("1", Title(dialog, 2));  // December 2025 starts on a Monday
  dialog.SetMonth(6, 1, 1);
  EXPECT_EQ("1", Title(dialog, 1));
}

TEST_F(DateDialogTest, MissingFramesOrSeparatorLeaveAttachmentsOut) {
  VOKAllocationFaults::FailClass("VOKDlgFrame");
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ("DaySepartor ", ChildNames(dialog));
  EXPECT_EQ("", Lines(dialog.GetTabulation().Vertical()));
  dialog.SetDay(15);
  dialog.SetYear(2030, 1);
  EXPECT_EQ(VOKTime(2030, 12, 1, 0, 0, 0, 0), dialog.GetDate());
  VOKAllocationFaults::Clear();
  VOKAllocationFaults::FailClass("VOKDlgSeparator");  // only the dialog's attachments go
  VOKPLMDlgDate& noSeparator = Open();
  EXPECT_EQ("", Lines(noSeparator.GetTabulation().Vertical()) +
                    Lines(noSeparator.GetTabulation().Horizontal()));
  EXPECT_EQ("2026-12-04", Shown(noSeparator));
}

TEST_F(DateDialogTest, MissingButtonsOrHeadingsAreSkipped) {
  VOKAllocationFaults::FailClass("VOKDlgPushButton");
  VOKPLMDlgDate& noButtons = Open();
  noButtons.SetDay(3);
  EXPECT_TRUE(ChooseMonth(noButtons, 3));
  EXPECT_EQ(VOKTime(2026, 3, 1, 0, 0, 0, 0), noButtons.GetDate());
  VOKAllocationFaults::Clear();
  VOKAllocationFaults::FailClass("VOKDlgLabel");
  VOKPLMDlgDate& noHeadings = Open();
  EXPECT_EQ(nullptr, noHeadings.FindDescendant("day1"));
  EXPECT_EQ("2026-12-04", Shown(noHeadings));
}

}  // namespace
