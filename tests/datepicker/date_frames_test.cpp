// Both date frames end to end, as the user drives them: type a date into
// the field the frame serves (the entry frame's editor, or the combo beside
// the combo-button frame), press the calendar button, pick in the calendar,
// answer it, and read the field and the frame's trace records.
#include <ostream>

#include "base_runtime/VOKBaseUnknown.h"
#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "datepicker/calendar_test_support.h"

using namespace calendar_test;
using Records = std::vector<std::string>;

namespace {

const std::string kEntry = "VOKQELNavDateEntryFrame";
const std::string kCombo = "VOKQELNavDateComboButtonFrame";

struct FrameKind {
  std::string traceClass;
  VOKDlgGridConstraints buttonCell;
  Records pressOnImpossibleDate;  // the records of a press on 02/30/2021
  Records okAfterDay5;            // the records of OK after the 5th was picked
  Records noButton;               // the records of building without a button
  Records noCalendar;             // the records of a press when no calendar can be made
};

void PrintTo(const FrameKind& kind, std::ostream* out) { *out << kind.traceClass; }

const FrameKind kEntryKind{
    kEntry,
    {0, 1, 1, 1, 4},
    {kEntry + "::StartCalendar", "Using Startdate: 02/30/2021",
     "Adding OpenCalendarMngt action to OK Notification", "RC = Success!",
     "Adding CloseCalendarMngt action to CANCEL Notification", "RC = Success!",
     "Adding CloseCalendarMngt action to CLOSE Notification", "RC = Success!",
     "End of VOKQELNavDateEntryFrame::StartCalendar"},
    {kEntry + "::OpenCalendarMngt", kEntry + "::CloseCalendarMngt",
     "Editor text set to: \"07/05/2021\""},
    {},
    {kEntry + "::StartCalendar", "Calendar UI not created!",
     "End of VOKQELNavDateEntryFrame::StartCalendar"}};
const FrameKind kComboKind{
    kCombo,
    {0, 0, 1, 1, 30},
    {kCombo + "::StartCalendar", "Using Startdate: 02/30/2021", "Invalid Date!"},
    {kCombo + "::OpenCalendarMngt", kCombo + "::CloseCalendarMngt"},
    {"Button is NULL!"},
    {kCombo + "::StartCalendar", "PDate is NULL!"}};

// A frame of either kind in a shown host dialog, with its field.
class DateFramesTest : public FrameFixture {
 protected:
  void Build(const FrameKind& frameKind) {
    kind = frameKind;
    CaptureTrace(kind.traceClass);
    if (kind.traceClass == kEntry) {
      entry = new VOKQELNavDateEntryFrame(host.get(), father, "DateEntry");
      frame = entry;
      button = entry->getButton();
      editor = entry->getEditor();
    } else {
      combo = new VOKDlgCombo(father, "DateCombo",
                              VOKDlgStyle::Editable | VOKDlgStyle::FreeText | VOKDlgStyle::Placed);
      combo->SetLine("Today", -1, 64);
      frame = ComboFrame(combo);
    }
  }
  VOKQELNavDateComboButtonFrame* ComboFrame(VOKDlgCombo* served) {
    auto* made = new VOKQELNavDateComboButtonFrame(father, "DateCombo", served);
    button = Find<VOKDlgPushButton>(*made, "DateCombo_Frame");
    return made;
  }

  // Types text into the field, presses the button; the records of the press.
  Records PressWith(const char* text) {
    EXPECT_TRUE(editor ? VOKDlgUser::Type(editor, text) : VOKDlgUser::Type(combo, text));
    TakeTrace(kind.traceClass);
    EXPECT_TRUE(VOKDlgUser::Press(button));
    return TakeTrace(kind.traceClass);
  }
  VOKQELNavCalendarUI* OpenOn(const char* text) {
    PressWith(text);
    return CalendarUnder(*frame);
  }
  std::string Field() const {
    if (editor) return editor->GetText().ToUtf8();
    VOKUnicodeString text;
    combo->GetField(text);
    return text.ToUtf8();
  }
  VOKCommand* FieldWidget() const { return editor ? static_cast<VOKCommand*>(editor) : combo; }
  VOKNotification* FieldModified() const {
    return editor ? editor->GetEditModifyNotification() : combo->GetComboModifyNotification();
  }

  FrameKind kind;
  VOKDlgFrame* frame = nullptr;
  VOKDlgPushButton* button = nullptr;
  VOKQELNavDateEntryFrame* entry = nullptr;
  VOKDlgEditor* editor = nullptr;  // the entry frame's field
  VOKDlgCombo* combo = nullptr;    // the combo-button frame's field
};

// What both frames do, over each kind.
class BothFramesTest : public DateFramesTest, public ::testing::WithParamInterface<FrameKind> {
 protected:
  void SetUp() override {
    DateFramesTest::SetUp();
    Build(GetParam());
  }
};

TEST_P(BothFramesTest, BuildsAShownCalendarButton) {
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  ASSERT_NE(nullptr, button);
  EXPECT_EQ(VOKDlgVisibility::Shown, button->GetVisibility());
  EXPECT_EQ("I_QELNavCHCalendar", button->GetIconName().str());
  EXPECT_EQ(kind.buttonCell, *button->GetGridConstraints());
}

// A text that is no date is dropped silently and the calendar opens on today.
TEST_P(BothFramesTest, WithoutADateOpensOnToday) {
  const std::pair<const char*, const char*> rows[] = {
      {"", "Date not specified.. using default."},
      {"1/2/21", "Date not specified.. using default."},
      {"2021-07-04", "Using Startdate: 2021-07-04"},
      {"02/30/2021", "Using Startdate: 02/30/2021"}};
  for (const auto& [text, record] : rows) {
    const Records records = PressWith(text);
    EXPECT_EQ(record, records.at(1)) << text;
    if (std::string(text) == "02/30/2021") {
      EXPECT_EQ(kind.pressOnImpossibleDate, records);
    }
    VOKQELNavCalendarUI* calendar = CalendarUnder(*frame);
    ASSERT_NE(nullptr, calendar) << text;
    EXPECT_EQ("2026-12-04", Shown(*calendar)) << text;
    EXPECT_TRUE(VOKDlgUser::PressCancel(calendar));
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_P(BothFramesTest, EachAnswerSendsOneModifyBeforeTheFieldChanges) {
  NotificationSpy spy(FieldWidget(), FieldModified());
  Records fieldsAtNotify;
  spy.onNotify = [&] { fieldsAtNotify.push_back(Field()); };
  const Records closeOnly{kind.traceClass + "::CloseCalendarMngt"};
  const struct {
    bool (*answer)(VOKDlgDialog*);
    const char* field;
    const Records& trace;
  } rows[] = {
      {&VOKDlgUser::PressOK, "07/05/2021", kind.okAfterDay5},
      {&VOKDlgUser::PressCancel, "07/04/2021", closeOnly},
      {[](VOKDlgDialog* calendar) { return VOKDlgUser::Close(calendar); }, "07/04/2021", closeOnly},
  };
  for (const auto& row : rows) {
    VOKQELNavCalendarUI* calendar = OpenOn("07/04/2021");
    ASSERT_NE(nullptr, calendar);
    EXPECT_TRUE(PressDay(*calendar, 5));
    spy.count = 0;
    fieldsAtNotify.clear();
    EXPECT_TRUE(row.answer(calendar));
    EXPECT_EQ(1, spy.count);
    EXPECT_EQ(Records{"07/04/2021"}, fieldsAtNotify);
    EXPECT_EQ(row.field, Field());
    EXPECT_EQ(row.trace, TakeTrace(kind.traceClass));
    EXPECT_TRUE(CalendarsUnder(*frame).empty());
  }
}

TEST_P(BothFramesTest, OkWritesInTheLocalesConversionFormatWhateverTheFieldHolds) {
  UseLayout("dd.mm.yyyy");
  VOKQELNavCalendarUI* calendar = OpenOn("04.07.2021");
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ("2021-07-04", Shown(*calendar));
  EXPECT_TRUE(editor ? VOKDlgUser::Type(editor, "whatever") : VOKDlgUser::Type(combo, "whatever"));
  EXPECT_TRUE(PressDay(*calendar, 14));
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ("14.07.2021", Field());
}

// Without a button nothing is registered; a calendar that cannot be made
// leaves nothing behind.
TEST_P(BothFramesTest, MissingButtonOrCalendarIsSkippedAndRecorded) {
  const long live = VOKBaseUnknown::LiveObjects();
  VOKAllocationFaults::FailClass("VOKDlgDialog");
  EXPECT_EQ(kind.noCalendar, PressWith("07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*frame).empty());
  EXPECT_EQ(live, VOKBaseUnknown::LiveObjects());

  VOKAllocationFaults::Clear();
  VOKAllocationFaults::FailClass("VOKDlgPushButton");
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  TakeTrace(kind.traceClass);
  Build(kind);
  EXPECT_EQ(nullptr, button);
  EXPECT_EQ(VOKDlgVisibility::Shown, frame->GetVisibility());
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
  EXPECT_EQ(kind.noButton, TakeTrace(kind.traceClass));
}

INSTANTIATE_TEST_SUITE_P(Frames, BothFramesTest, ::testing::Values(kEntryKind, kComboKind),
                         [](const ::testing::TestParamInfo<FrameKind>& kind) {
                           return kind.param.traceClass == kEntry ? "Entry" : "ComboButton";
                         });

// What only the entry frame does: its names and styles given by the host,
// a derived frame's OK, the editor it may lack and its run-time class.
TEST_F(DateFramesTest, EntryFrameBuildsAnEmptyEditorUnderTheNamesGiven) {
  Build(kEntryKind);
  ASSERT_NE(nullptr, editor);
  EXPECT_EQ("_calEditor", editor->GetName().str());
  EXPECT_EQ("", editor->GetText().ToUtf8());
  EXPECT_EQ("_calButton", button->GetName().str());

  auto* named = new VOKQELNavDateEntryFrame(father, "Named", "MyEditor", "MyButton", -1);
  EXPECT_EQ("MyEditor", named->getEditor()->GetName().str());
  EXPECT_EQ("MyButton", named->getButton()->GetName().str());
  EXPECT_EQ(~std::uint64_t{0}, named->getButton()->GetStyle());  // widened with its sign
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

TEST_F(DateFramesTest, ADerivedEntryFrameReceivesOk) {
  auto* derived = new OkRecordingFrame(host.get(), father, "Derived");
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

TEST_F(DateFramesTest, EntryFrameWithoutAnEditorRegistersAndOpensNothing) {
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  VOKAllocationFaults::FailClass("VOKDlgEditor");
  Build(kEntryKind);
  EXPECT_EQ(nullptr, editor);
  EXPECT_EQ(nullptr, button);
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
  TakeTrace(kEntry);
  entry->StartCalendar(nullptr, nullptr, nullptr);
  entry->OpenCalendarMngt(nullptr, nullptr, nullptr);
  EXPECT_EQ((Records{kEntry + "::StartCalendar", "Editor is NULL!", kEntry + "::OpenCalendarMngt"}),
            TakeTrace(kEntry));
  EXPECT_TRUE(CalendarsUnder(*entry).empty());
}

TEST_F(DateFramesTest, EntryFrameRunTimeClassIsAskedOnceAndKnowsItsBases) {
  Build(kEntryKind);
  EXPECT_STREQ("VOKQELNavDateEntryFrame", entry->IsA());
  EXPECT_NE(0, entry->IsAKindOf("VOKDlgFrame"));
  EXPECT_NE(0, entry->IsAKindOf("VOKBaseUnknown"));
  EXPECT_EQ(0, entry->IsAKindOf("VOKQELNavDateComboButtonFrame"));
  VOKMetaClass* meta = VOKQELNavDateEntryFrame::MetaObject();
  EXPECT_EQ(meta, entry->GetMetaObject());
  EXPECT_EQ(VOKDlgFrame::MetaObject(), meta->GetBase());
  EXPECT_STREQ("VOKImmQELCommon", meta->GetComponentName());
  EXPECT_EQ(nullptr, VOKQELNavDateEntryFrame::CreateItself());
  EXPECT_EQ(1, VOKMetaClassRetrievals("VOKQELNavDateEntryFrame"));
}

// What only the combo-button frame does: its short help, the hidden editor
// its calendars are bound to, copies, and the widgets it may lack.
TEST_F(DateFramesTest, ComboFrameButtonHelpComesFromTheSearchWindowsCatalog) {
  Build(kComboKind);
  VOKMsgCatalog::LoadFromMemory(
      "VOKImmSearchWin",
      "frame.tabcont.easypage.scrollable.mainFrame.SearchComboCol3_8.VOKImmDate_8.ShortHelp"
      " = Pick a date\n");
  ComboFrame(combo);
  EXPECT_EQ("Pick a date", button->GetShortHelp().ToUtf8());
  VOKMsgCatalog::LoadFromMemory("VOKImmSearchWin", "");
  ComboFrame(combo);
  EXPECT_EQ("Icon", button->GetShortHelp().ToUtf8());
}

TEST_F(DateFramesTest, ComboFrameCalendarsAreBoundToAHiddenParentlessEditor) {
  Build(kComboKind);
  VOKQELNavCalendarUI* calendar = OpenOn("07/04/2021");
  ASSERT_NE(nullptr, calendar);
  VOKDlgEditor* hidden = calendar->GetEditor();
  ASSERT_NE(nullptr, hidden);
  EXPECT_EQ("_CalValue", hidden->GetName().str());
  EXPECT_EQ(nullptr, hidden->GetParent());
  EXPECT_EQ(VOKDlgVisibility::Hidden, hidden->GetVisibility());
  EXPECT_EQ("07/04/2021", hidden->GetText().ToUtf8());
  EXPECT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ(1, combo->GetLineCount());  // the date goes into the field only
}

TEST_F(DateFramesTest, ComboFrameCopiesLeaveNothingBehind) {
  Build(kComboKind);
  const long live = VOKBaseUnknown::LiveObjects();
  const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
  VOKQELNavDateComboButtonFrame* original = ComboFrame(combo);
  {
    VOKQELNavDateComboButtonFrame copy(*original);
    VOKQELNavDateComboButtonFrame* other = ComboFrame(combo);
    *other = copy;
    delete original;
    delete other;
  }
  EXPECT_EQ(live, VOKBaseUnknown::LiveObjects());
  EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
}

// Without a combo, OK hides and releases the calendar only.
TEST_F(DateFramesTest, ComboFrameWithoutAnEditorOrAComboOpensNothing) {
  Build(kComboKind);
  VOKAllocationFaults::FailClass("VOKDlgEditor");
  VOKDlgFrame* noEditor = ComboFrame(combo);
  VOKAllocationFaults::Clear();
  EXPECT_EQ(Records{"Editor is NULL!"}, TakeTrace(kCombo));
  EXPECT_EQ((Records{kCombo + "::StartCalendar", "Editor is NULL!"}), PressWith("07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*noEditor).empty());

  auto* noCombo = ComboFrame(nullptr);
  EXPECT_EQ((Records{kCombo + "::StartCalendar", "Combo is NULL!"}), PressWith("07/04/2021"));
  EXPECT_TRUE(CalendarsUnder(*noCombo).empty());
  noCombo->OpenCalendarMngt(nullptr, nullptr, nullptr);
  EXPECT_EQ((Records{kCombo + "::OpenCalendarMngt", "pDate is NULL!"}), TakeTrace(kCombo));
  auto* calendar = new VOKQELNavCalendarUI(static_cast<VOKDialog*>(noCombo));
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  noCombo->OpenCalendarMngt(calendar, calendar->GetDiaOKNotification(), calendar);
  EXPECT_EQ((Records{kCombo + "::OpenCalendarMngt", kCombo + "::CloseCalendarMngt",
                     "Combo is NULL!", "Combo is NULL!"}),
            TakeTrace(kCombo));
  EXPECT_EQ(VOKDlgVisibility::Hidden, calendar->GetVisibility());
  VOKCommand::FlushDelayedDestructions();
  EXPECT_TRUE(CalendarsUnder(*noCombo).empty());
}

}  // namespace
