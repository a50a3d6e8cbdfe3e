// Layout in character cells: natural sizes, the grid's flags and resizable
// columns, and the tabulation's modes; the text picture of it: the marks
// that tell widgets' states apart and the stacking of windows opened on top
// (whole pictures of the real calendar and form are the demo's golden
// files).
#include <gtest/gtest.h>

#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/layout/VOKWindowStack.h"
#include "front_end/paint/VOKTextRenderer.h"
#include "front_end/text/VOKCellText.h"
#include "host/FrontEndTestSupport.h"
#include "host/ToolkitTestSupport.h"

using frontend_test::BuildCalendar;
using frontend_test::kFormStyle;

namespace {

class FrontEndLayoutTest : public ToolkitTest {
 protected:
  // The rectangle of a widget of the window, by name.
  static VOKCellRect RectOf(const VOKWindowLayout& layout, const char* name) {
    const VOKCellRect* rect = layout.Find(layout.Window().FindDescendant(name));
    EXPECT_NE(nullptr, rect) << name << " is not laid out";
    return rect ? *rect : VOKCellRect{};
  }

  VOKDlgLabel* Label(VOKDialog* parent, const char* name, const char* title) {
    auto* label = new VOKDlgLabel(parent, name, 0);
    label->SetTitle(title);
    return label;
  }
};

TEST_F(FrontEndLayoutTest, TextColumnsCountCombiningMarksAsNothingAndWideCharactersAsTwo) {
  const struct {
    const char* text;
    int columns;
  } rows[] = {
      {"", 0},
      {"วันอาทิตย์", 7},  // three combining marks
      {"日曜日", 6},
      {"\xC3\x28", 2},      // malformed byte: one replacement, then "("
      {"\xE0\xB8\xB1x", 2}  // a mark with nothing before it stands on a blank
  };
  for (const auto& row : rows) EXPECT_EQ(row.columns, VOKTextColumns(row.text)) << row.text;
}

// The sizes the golden pictures do not show: a spinner's visible width
// against its text, and an empty label.
TEST_F(FrontEndLayoutTest, NaturalSizesOfSpinnersAndEmptyLabels) {
  VOKDlgWindow window(nullptr, "W", 0);
  auto* spinner = new VOKDlgSpinner(&window, "s", 0);
  spinner->SetVisibleTextWidth(4);
  spinner->SetCurrentText("123456", 0);
  auto* bare = new VOKDlgSpinner(&window, "n", 0);
  bare->SetCurrentText("12", 0);
  EXPECT_EQ((VOKCellSize{7, 1}), VOKNaturalSize(*spinner));
  EXPECT_EQ((VOKCellSize{5, 1}), VOKNaturalSize(*bare));
  EXPECT_EQ((VOKCellSize{0, 0}), VOKNaturalSize(*Label(&window, "empty", "")));
}

// A 10 x 2 cell (a wide label above fixes the width, a two-line frame
// beside fixes the height) holding a 4 x 1 button with each set of flags.
TEST_F(FrontEndLayoutTest, GridFlagsPlaceTheWidgetInsideItsCell) {
  const struct {
    int flags;
    VOKCellRect expected;  // relative to the cell
  } rows[] = {
      {30, {0, 0, 10, 2}},                 // stretch: fills the cell
      {VOKDlgJustify::Top, {3, 0, 4, 1}},  // natural size at the top, centred across
      {VOKDlgJustify::Left | VOKDlgJustify::Bottom, {0, 1, 4, 1}},
      {VOKDlgJustify::Right, {6, 0, 4, 1}},  // centred downwards: the odd line stays below
      {VOKDlgJustify::Left | VOKDlgJustify::Right, {0, 0, 10, 1}},
      {VOKDlgJustify::Top | VOKDlgJustify::Bottom, {3, 0, 4, 2}},
      {0, {3, 0, 4, 1}},
  };
  for (const auto& row : rows) {
    VOKDlgWindow window(nullptr, "W", 0);
    auto* grid = new VOKDlgFrame(&window, "Grid", VOKDlgStyle::GridLayout);
    Label(grid, "wide", "0123456789")->SetGridConstraints(0, 0, 1, 1, 0);
    auto* tall = new VOKDlgFrame(grid, "Tall", 0);
    Label(tall, "one", "1");
    Label(tall, "two", "2");
    tall->SetGridConstraints(1, 1, 1, 1, 0);
    auto* button = new VOKDlgPushButton(grid, "Button", 0);
    button->SetTitle("ab");
    button->SetGridConstraints(1, 0, 1, 1, row.flags);
    const VOKWindowLayout layout(window);
    const VOKCellRect cell{2, 2, 10, 2};
    EXPECT_EQ(row.expected.Moved(cell.x, cell.y), RectOf(layout, "Button"))
        << "flags " << row.flags;
  }
}

// The spare width of a frame goes to its resizable columns, split evenly
// with the odd column to the first; without any it stays on the right.
TEST_F(FrontEndLayoutTest, ResizableColumnsShareTheSpareWidth) {
  const struct {
    int resizable0;
    int resizable2;
    VOKCellRect first;
    VOKCellRect middle;
    VOKCellRect last;
  } rows[] = {
      {1, 1, {2, 2, 7, 1}, {10, 2, 1, 1}, {12, 2, 6, 1}},
      {1, 0, {2, 2, 12, 1}, {15, 2, 1, 1}, {17, 2, 1, 1}},
      {0, 0, {2, 2, 1, 1}, {4, 2, 1, 1}, {6, 2, 1, 1}},
  };
  for (const auto& row : rows) {
    VOKDlgWindow window(nullptr, "W", 0);
    Label(&window, "wide", "sixteen columns.");
    auto* grid = new VOKDlgFrame(&window, "Grid", VOKDlgStyle::GridLayout | VOKDlgStyle::Editable);
    for (int column : {0, 1, 2}) {
      Label(grid, std::to_string(column).c_str(), "x")->SetGridConstraints(0, column, 1, 1, 30);
    }
    grid->SetGridColumnResizable(0, row.resizable0);
    grid->SetGridColumnResizable(2, row.resizable2);
    const VOKWindowLayout layout(window);
    EXPECT_EQ(row.first, RectOf(layout, "0"));
    EXPECT_EQ(row.middle, RectOf(layout, "1"));
    EXPECT_EQ(row.last, RectOf(layout, "2"));
  }
}

TEST_F(FrontEndLayoutTest, ResizableRowTakesTheSpareLinesAndSpansWidenTheirLastColumn) {
  VOKDlgWindow window(nullptr, "W", 0);
  auto* outer = new VOKDlgFrame(&window, "Outer", VOKDlgStyle::GridLayout);
  auto* tall = new VOKDlgFrame(outer, "Tall", 0);
  for (const char* name : {"a", "b", "c", "d", "e", "f"}) Label(tall, name, name);
  tall->SetGridConstraints(0, 1, 1, 1, 0);
  auto* inner = new VOKDlgFrame(outer, "Inner", VOKDlgStyle::GridLayout);
  inner->SetGridConstraints(0, 0, 1, 1, 30);
  inner->SetGridRowResizable(1, 1);
  Label(inner, "top", "t")->SetGridConstraints(0, 0, 1, 1, 30);
  Label(inner, "grows", "g")->SetGridConstraints(1, 0, 1, 1, 30);
  Label(inner, "narrow", "n")->SetGridConstraints(2, 0, 1, 1, 30);
  Label(inner, "span", "spanning")->SetGridConstraints(3, 0, 1, 2, 30);
  const VOKWindowLayout layout(window);

  EXPECT_EQ((VOKCellRect{2, 1, 8, 6}), RectOf(layout, "Inner"));
  EXPECT_EQ((VOKCellRect{2, 1, 1, 1}), RectOf(layout, "top"));
  EXPECT_EQ((VOKCellRect{2, 2, 1, 3}), RectOf(layout, "grows"));  // the two spare lines
  EXPECT_EQ((VOKCellRect{2, 5, 1, 1}), RectOf(layout, "narrow"));
  EXPECT_EQ((VOKCellRect{2, 6, 8, 1}), RectOf(layout, "span"));
  EXPECT_EQ((VOKCellRect{11, 1, 1, 6}), RectOf(layout, "Tall"));
}

TEST_F(FrontEndLayoutTest, TabulationModesOrderRowsAndEdges) {
  VOKDlgWindow window(nullptr, "W", 0);
  VOKDialog* a = Label(&window, "a", "aaaa");
  VOKDialog* b = Label(&window, "b", "bb");
  VOKDialog* c = Label(&window, "c", "c");
  VOKDialog* d = Label(&window, "d", "d");
  VOKDialog* wide = Label(&window, "wide", "0123456789ABCDEF");
  Label(&window, "loose", "L");
  VOKDialog* hidden = Label(&window, "hidden", "hidden");
  hidden->SetVisibility(VOKDlgVisibility::Hidden);
  auto* rule = new VOKDlgSeparator(&window, "rule", 0);
  // Lines attached out of order still stand in index order.
  window.SetHorizontalAttachment(3, 4, c, nullptr);
  window.SetHorizontalAttachment(1, 1, a, hidden, b, nullptr);
  window.SetHorizontalAttachment(2, 5, wide, rule, nullptr);
  window.SetHorizontalAttachment(4, 1, d, nullptr);
  window.SetVerticalAttachment(1, 1, rule, nullptr);
  window.SetVerticalAttachment(2, 4, rule, d, nullptr);
  const VOKWindowLayout layout(window);

  EXPECT_EQ((VOKCellRect{2, 1, 4, 1}), RectOf(layout, "a"));      // side by side
  EXPECT_EQ((VOKCellRect{7, 1, 2, 1}), RectOf(layout, "b"));      // the hidden one takes no room
  EXPECT_EQ((VOKCellRect{2, 2, 16, 1}), RectOf(layout, "wide"));  // mode 5: a row each
  EXPECT_EQ((VOKCellRect{2, 3, 16, 1}), RectOf(layout, "rule"));  // left and right edge: stretched
  EXPECT_EQ((VOKCellRect{17, 4, 1, 1}), RectOf(layout, "c"));     // mode 4 line: against the right
  EXPECT_EQ((VOKCellRect{17, 5, 1, 1}), RectOf(layout, "d"));     // right edge only: pushed right
  EXPECT_EQ((VOKCellRect{2, 6, 1, 1}), RectOf(layout, "loose"));  // unattached: a row at the end
  EXPECT_EQ(nullptr, layout.Find(hidden));
}

TEST_F(FrontEndLayoutTest, WindowIsAsWideAsItsTitleNeedsAndMovesAsAWhole) {
  VOKDlgDialog window(nullptr, "W", VOKDlgStyle::CloseControl | VOKDlgStyle::OKButton);
  window.SetTitle("A rather long window title");
  auto* rule = new VOKDlgSeparator(&window, "rule", 0);
  window.SetVerticalAttachment(1, 1, rule, nullptr);
  window.SetVerticalAttachment(2, 4, rule, nullptr);
  VOKWindowLayout layout(window);
  // "┌─ " + title + " " + "─" + " x ─┐"
  EXPECT_EQ((VOKCellRect{0, 0, 36, 4}), layout.Bounds());
  EXPECT_EQ((VOKCellRect{2, 1, 32, 1}), RectOf(layout, "rule"));
  EXPECT_FALSE(layout.CancelButton().has_value());

  layout.MoveTo(5, 3);
  EXPECT_EQ((VOKCellRect{5, 3, 36, 4}), layout.Bounds());
  EXPECT_EQ((VOKCellRect{7, 4, 32, 1}), RectOf(layout, "rule"));
  EXPECT_EQ((VOKCellRect{35, 5, 4, 1}), layout.OKButton());
  EXPECT_EQ((VOKCellRect{36, 3, 3, 1}), layout.CloseControl());
}

TEST_F(FrontEndLayoutTest, TheTextPictureShowsWidgetsTextsAndStates) {
  VOKDlgWindow window(nullptr, "W", 0);
  window.SetTitle("States");
  Label(&window, "thai", "วันอาทิตย์|");
  Label(&window, "hidden", "never shown")->SetVisibility(VOKDlgVisibility::Hidden);
  new VOKDlgEditor(&window, "empty", 0);
  auto* longText = new VOKDlgEditor(&window, "long", 0);
  longText->SetText("a text longer than the field", 0);
  auto* greyed = new VOKDlgPushButton(&window, "greyed", 0);
  greyed->SetTitle("Search");
  greyed->SetSensitivity(VOKDlgSensitivity::Greyed);
  auto* usable = new VOKDlgPushButton(&window, "usable", 0);
  usable->SetTitle("Search");
  auto* combo = new VOKDlgCombo(&window, "combo", 0);
  combo->SetLine("one", -1, 64);
  combo->SetLine("three", -1, 64);
  combo->SetSelect(0, 1);
  auto* spinner = new VOKDlgSpinner(&window, "spinner", VOKDlgStyle::Editable);
  spinner->SetVisibleTextWidth(6);
  spinner->SetCurrentText("42", 0);
  window.SetHorizontalAttachment(1, 1, greyed, usable, nullptr);
  window.SetHorizontalAttachment(2, 1, combo, spinner, nullptr);
  EXPECT_EQ(
      "┌─ States ──────────┐\n"
      "│ ›Search‹ [Search] │\n"
      "│ one   ▾ 42____ ▴▾ │\n"
      "│ วันอาทิตย์|          │\n"
      "│ ____________      │\n"
      "│ a text longe      │\n"
      "└───────────────────┘\n",
      VOKTextRenderer::Render(window));
}

TEST_F(FrontEndLayoutTest, WindowsOpenedOnTopStackInTreeOrderUnderTheFieldTheyHangOn) {
  // The calendars hang on a field of the form, as the date frames' do.
  auto form = std::make_unique<VOKDlgDialog>(nullptr, "Form", kFormStyle);
  form->SetTitle("Find documents");
  form->SetVisibility(VOKDlgVisibility::Shown);
  auto* entry = new VOKDlgEditor(form.get(), "Created", 0);
  VOKDlgDialog* calendar = BuildCalendar(entry, 0, 18);
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  auto* closedOne = BuildCalendar(entry, 0, 3);  // never shown
  auto* box = new VOKDlgNotify(calendar, "Error", VOKDlgStyle::ErrorBox);
  box->SetTitle("Invalid year");
  std::vector<std::string> shownOnBox;
  VOKDlgNotify::SetResponder([&](VOKDlgNotify&, const VOKUnicodeString&, const VOKUnicodeString&) {
    shownOnBox.push_back(VOKTextRenderer::Render(VOKWindowStack(*form)));
    return 1;
  });
  box->DisplayBlocked("\"1900\" is not a valid year.", "Invalid year");

  EXPECT_EQ((std::vector<VOKDlgWindow*>{form.get(), calendar}), VOKWindowStack(*form));
  EXPECT_NE(nullptr, closedOne);
  // The calendar stands under its field, as on the terminal; the box is
  // centred over both.
  ASSERT_EQ(1u, shownOnBox.size());
  EXPECT_EQ(
      "┌─ Find documents ─ x ─┐\n"
      "│ ____________         │\n"
      "│ ┌─ Choose a date ──────────────── x ─┐\n"
      "└─│ June       ▾ 2025 ▴▾               │\n"
      "  │ ┌─ Invalid year ──────────────┐─── │\n"
      "  │ │ \"1900\" is not a valid year. │Sat │\n"
      "  │ │                        [OK] │ 7] │\n"
      "  │ └─────────────────────────────┘14] │\n"
      "  │ [15] [16] [17] ›18‹ [19] [20] [21] │\n"
      "  │ [22] [23] [24] [25] [26] [27] [28] │\n"
      "  │ [29] [30]                          │\n"
      "  │                      [OK] [Cancel] │\n"
      "  └────────────────────────────────────┘\n",
      shownOnBox[0]);
}

}  // namespace
