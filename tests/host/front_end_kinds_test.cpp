// What each kind of widget is to the front ends, found by its class chain:
// a module's own classes take the kind of the toolkit class they derive
// from, a class of no known kind only shows its title; the description a
// page gets of each kind; and the one rule that makes a window a calendar,
// seen in today's mark and in the calendar's keys.
#include <gtest/gtest.h>

#include "base_runtime/VOKMetaClass.h"
#include "base_runtime/VOKTime.h"
#include "front_end/kinds/VOKWidgetDescription.h"
#include "front_end/layout/VOKCalendarDays.h"
#include "front_end/paint/VOKTextRenderer.h"
#include "host/CalendarSessionTest.h"

using frontend_test::Find;

namespace {

// A frame class with a descriptor of its own, as the module's frames have.
class NoteFrame : public VOKDlgFrame {
 public:
  using VOKDlgFrame::VOKDlgFrame;
  static VOKMetaClass* MetaObject() {
    static VOKMetaClass* meta = fct_RetrieveMetaObject(
        "TestNoteFrame", 1, VOKDlgFrame::MetaObject(), "VOKNull", "Tests", sizeof(NoteFrame));
    return meta;
  }
  VOKMetaClass* GetMetaObject() const override { return MetaObject(); }
  const char* IsA() const override { return "TestNoteFrame"; }
};

// A button class that keeps the toolkit's descriptor.
class RoundButton : public VOKDlgPushButton {
 public:
  using VOKDlgPushButton::VOKDlgPushButton;
};

// A widget class the toolkit has no descriptor for.
class Stranger : public VOKDialog {
 public:
  using VOKDialog::VOKDialog;
  const char* IsA() const override { return "TestStranger"; }
};

const std::string kGo = "user VOKDlgPushBActivateNotification Go";

class WidgetKindsTest : public ToolkitTest {
 protected:
  WidgetKindsTest() {
    form = std::make_unique<VOKDlgDialog>(nullptr, "Form", frontend_test::kFormStyle);
    form->SetTitle("Kinds");
    user = std::make_unique<Recorder>(&log, "user");
  }

  Log log;
  std::unique_ptr<Recorder> user;
  std::unique_ptr<VOKDlgDialog> form;
  ScriptScreen screen;
};

TEST_F(WidgetKindsTest, ModuleClassesTakeTheKindOfTheToolkitClassTheyDeriveFrom) {
  auto* note = new NoteFrame(form.get(), "Note", VOKDlgStyle::GridLayout);
  auto* label = new VOKDlgLabel(note, "Say", 0);
  label->SetTitle("Say");
  label->SetGridConstraints(1, 1, 1, 1, 30);
  auto* go = new RoundButton(note, "Go", 0);
  go->SetTitle("Go");
  go->SetGridConstraints(1, 2, 1, 1, 30);
  auto* stranger = new Stranger(form.get(), "Stranger", 0);
  stranger->SetTitle("hello");
  form->SetVerticalAttachment(1, 1, note, stranger, nullptr);
  user->Listen(go, go->GetPushBActivateNotification(), "Go");

  EXPECT_EQ(
      "┌─ Kinds ─── x ─┐\n"
      "│ Say [Go]      │\n"
      "│ hello         │\n"
      "│ [OK] [Cancel] │\n"
      "└───────────────┘\n",
      VOKTextRenderer::Render(*form));
  // The button takes the focus and Enter presses it; the stranger is passed over.
  screen.Play(*form, {Key(VOKKey::Enter), Key(VOKKey::Tab)});
  EXPECT_EQ((Log{"Go", "Go", "OK"}), screen.focusNames);
  EXPECT_EQ(Log{kGo}, log);
  EXPECT_EQ("frame", VOKDescribeWidget(*note, {}).kind);
  EXPECT_EQ("label", VOKDescribeWidget(*stranger, {}).kind);
}

// Each kind as a page gets it; a spinner at (10, 2), 8 columns wide, has
// its arrows in the last two.
TEST_F(WidgetKindsTest, APageGetsEachKindWithItsTextStatesAndParts) {
  auto* box = new VOKDlgFrame(form.get(), "Box", 0);
  box->SetTitle("Dates");
  auto* list = new VOKDlgCombo(box, "List", VOKDlgStyle::Editable);
  list->SetField("March");
  auto* typed = new VOKDlgCombo(box, "Typed", VOKDlgStyle::Editable | VOKDlgStyle::FreeText);
  auto* spinner = new VOKDlgSpinner(box, "Year", VOKDlgStyle::Editable);
  spinner->SetCurrentText("2025", 0);
  spinner->SetRange(1970, 2037, 1, 0);
  auto* editor = new VOKDlgEditor(box, "Name", 0);
  editor->SetText("Ada", 0);
  auto* plain = new VOKDlgPushButton(box, "Plain", 0);
  plain->SetTitle("Search");
  auto* icon = new VOKDlgPushButton(box, "Icon", 0);
  icon->SetIconName("I_Test", "", "", "", 0);
  auto* helped = new VOKDlgPushButton(box, "Helped", 0);
  helped->SetIconName("I_Test", "", "", "", 0);
  helped->SetShortHelp("Pick a day");
  auto* line = new VOKDlgSeparator(box, "Line", 0);
  box->SetSensitivity(VOKDlgSensitivity::Greyed);
  auto* outside = new VOKDlgLabel(form.get(), "Outside", 0);
  outside->SetTitle("Name:");

  const VOKWidgetDescription year = VOKDescribeWidget(*spinner, {10, 2, 8, 1});
  EXPECT_EQ("spinner", year.kind);
  EXPECT_EQ("2025", year.text);
  EXPECT_EQ(1970.0f, year.minimum);
  EXPECT_EQ(2037.0f, year.maximum);
  EXPECT_EQ((VOKCellPoint{16, 2}), year.up);
  EXPECT_EQ((VOKCellPoint{17, 2}), year.down);
  EXPECT_TRUE(year.editable);

  const struct {
    const VOKDialog* widget;
    const char* kind;
    const char* text;
    bool greyed;
    bool editable;
    std::optional<bool> icon;
    std::optional<std::string> label;
  } rows[] = {
      {box, "frame", "Dates", true, false, {}, {}},
      {list, "combo", "March", true, false, {}, {}},  // chosen from, not typed into
      {typed, "combo", "", true, true, {}, {}},
      {editor, "editor", "Ada", true, true, {}, {}},
      {plain, "button", "Search", true, false, false, {}},
      {icon, "button", "", true, false, true, "I_Test"},  // no catalog text: the icon's name
      {helped, "button", "", true, false, true, "Pick a day"},
      {line, "separator", "", true, false, {}, {}},
      {outside, "label", "Name:", false, false, {}, {}},
  };
  for (const auto& row : rows) {
    const VOKWidgetDescription description = VOKDescribeWidget(*row.widget, {0, 0, 10, 1});
    const std::string name = row.widget->GetName().str();
    EXPECT_EQ(row.kind, description.kind) << name;
    EXPECT_EQ(row.text, description.text) << name;
    EXPECT_EQ(row.greyed, description.greyed) << name;
    EXPECT_EQ(row.editable, description.editable) << name;
    EXPECT_EQ(row.icon, description.icon) << name;
    EXPECT_EQ(row.label, description.label) << name;
    EXPECT_FALSE(description.minimum || description.up) << name;
  }
}

// A calendar of June 2025 (day 9 chosen) with today the 12th, on button "15".
class CalendarRuleTest : public CalendarSessionTest {
 protected:
  CalendarRuleTest() { VOKHostClock::FixToday(2025, 6, 12); }
  ~CalendarRuleTest() override { VOKHostClock::UseSystemClock(); }

  // The calendar's keys and marks after PageDown.
  std::string TurnPage() {
    screen.Play(*calendar, {Key(VOKKey::PageDown)});
    return screen.pictures.front();
  }
};

TEST_F(CalendarRuleTest, AWindowWithTwelveMonthsOneChosenAndAYearIsACalendar) {
  const VOKDialog* day = calendar->FindDescendant("15");
  const auto parts = vok::calendar::CalendarOf(*day);
  ASSERT_TRUE(parts);
  EXPECT_EQ(combo, parts->months);
  EXPECT_EQ(spinner, parts->years);
  EXPECT_EQ((vok::calendar::Date{2025, 6, 12}), vok::calendar::DayOf(*day));
  EXPECT_FALSE(vok::calendar::DayOf(*calendar->FindDescendant("day1")));  // a heading

  const std::string first = TurnPage();
  EXPECT_NE(std::string::npos, first.find("«12»")) << first;
  EXPECT_EQ((Log{"user VOKDlgComboSelectNotification Month"}), log);
  EXPECT_EQ(6, combo->GetSelect());
}

TEST_F(CalendarRuleTest, WithoutTwelveMonthsOrAChosenOneItIsNone) {
  const std::function<void(VOKDlgCombo&)> breaks[] = {
      [](VOKDlgCombo& months) {
        months.ClearLines();
        for (const char* month : {"January", "February", "March"}) months.SetLine(month, -1, 64);
        months.SetSelect(1, 1);
      },
      [](VOKDlgCombo& months) { months.SetSelect(-1, 1); },
  };
  for (const auto& breakIt : breaks) {
    breakIt(*combo);
    log.clear();
    screen.pictures.clear();
    EXPECT_FALSE(vok::calendar::CalendarOf(*calendar));
    const std::string first = TurnPage();
    EXPECT_NE(std::string::npos, first.find("[12]")) << first;  // no mark of today
    EXPECT_TRUE(log.empty());                                   // no page turned
  }
}

}  // namespace
