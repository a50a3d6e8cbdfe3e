// File: DemoSearchForm.cpp
// Building the form.
#include "demo/DemoSearchForm.h"

#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "demo/DemoText.h"
#include "dialog_toolkit/VOKDlgStyle.h"

namespace vok_demo {
namespace {

constexpr std::uint64_t kPlaced = VOKDlgStyle::Placed;
constexpr std::uint64_t kGridFrame = VOKDlgStyle::GridLayout | VOKDlgStyle::Placed;
constexpr int kFill = 30;
constexpr int kLeft = VOKDlgJustify::Left;
constexpr int kRight = VOKDlgJustify::Right;
// Recent dates offered by the combo, in days before today.
constexpr int kRecentDays[] = {1, 7, 30, 90};

VOKDlgLabel* AddLabel(VOKDlgFrame& grid, const char* name, const VOKUnicodeString& text) {
  auto* label = new VOKDlgLabel(&grid, name, kPlaced);
  if (label != nullptr) label->SetTitle(text);
  return label;
}

// A frame that stretches over its grid cells and gives the spare width to
// its first column.
VOKDlgFrame* AddRowFrame(VOKDlgFrame& grid, const char* name, int row, int column, int columnSpan) {
  auto* frame = new VOKDlgFrame(&grid, name, kGridFrame | VOKDlgStyle::Editable);
  if (frame == nullptr) return nullptr;
  frame->SetGridColumnResizable(0, 1);
  frame->SetGridConstraints(row, column, 1, columnSpan, kFill);
  return frame;
}

void Place(VOKDialog* widget, int row, int column, int columnSpan, int justification) {
  if (widget != nullptr) widget->SetGridConstraints(row, column, 1, columnSpan, justification);
}

}  // namespace

DemoSearchForm::DemoSearchForm()
    : VOKDlgDialog(nullptr, "FindDocuments", VOKDlgStyle::CloseControl), _checker(*this) {
  SetTitle(DemoText("Title"));
  auto* grid = new VOKDlgFrame(this, "SearchFrame", kGridFrame);
  if (grid != nullptr) {
    grid->SetGridColumnResizable(1, 1);
    BuildCreatedAfter(*grid);
    BuildModifiedBefore(*grid);
    BuildSearchRow(*grid);
    SetVerticalAttachment(1, 1, grid, nullptr);
    SetVerticalAttachment(2, 4, grid, nullptr);
    SetHorizontalAttachment(1, 5, grid, nullptr);
  }
  AddAnalyseNotificationCB(this, GetWindCloseNotification(), &DemoSearchForm::CloseForm, nullptr);
}

DemoSearchForm::~DemoSearchForm() = default;

// Row 0: the label and a date entry frame, whose editor takes the width.
void DemoSearchForm::BuildCreatedAfter(VOKDlgFrame& grid) {
  Place(AddLabel(grid, "CreatedAfterLabel", DemoText("CreatedAfter")), 0, 0, 1, kLeft);
  auto* entry = new VOKQELNavDateEntryFrame(this, &grid, "CreatedAfter");
  if (entry == nullptr) return;
  Place(entry, 0, 1, 1, kFill);
  _createdAfter = entry->getEditor();
}

// Row 1: the label, then a frame shaped like the entry frame above, so that
// both calendar buttons line up: an editable combo of recent dates that
// takes the width, and its date combo-button frame.
void DemoSearchForm::BuildModifiedBefore(VOKDlgFrame& grid) {
  Place(AddLabel(grid, "ModifiedBeforeLabel", DemoText("ModifiedBefore")), 1, 0, 1, kLeft);
  VOKDlgFrame* row = AddRowFrame(grid, "ModifiedBeforeRow", 1, 1, 1);
  if (row == nullptr) return;
  _modifiedBefore =
      new VOKDlgCombo(row, "RecentDates", kPlaced | VOKDlgStyle::Editable | VOKDlgStyle::FreeText);
  if (_modifiedBefore == nullptr) return;
  Place(_modifiedBefore, 0, 0, 1, kFill);
  FillRecentDates();
  Place(new VOKQELNavDateComboButtonFrame(row, "ModifiedBefore", _modifiedBefore), 0, 1, 1, kFill);
}

// Row 2: the date layout hint and the Search button at the right; row 3:
// the result.
void DemoSearchForm::BuildSearchRow(VOKDlgFrame& grid) {
  VOKDlgFrame* row = AddRowFrame(grid, "SearchRow", 2, 0, 2);
  if (row != nullptr) {
    Place(AddLabel(*row, "LayoutHint", DemoText("LayoutHint", {_checker.Layout()})), 0, 0, 1,
          kLeft);
    auto* search = new VOKDlgPushButton(row, "Search", kPlaced);
    if (search != nullptr) {
      search->SetTitle(DemoText("Search"));
      Place(search, 0, 1, 1, kRight);
      AddAnalyseNotificationCB(search, search->GetPushBActivateNotification(),
                               &DemoSearchForm::Search, nullptr);
    }
  }
  _result = AddLabel(grid, "Result", DemoText("Result.Ready"));
  Place(_result, 3, 0, 2, kLeft);
}

void DemoSearchForm::FillRecentDates() {
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  for (const int days : kRecentDays) {
    VOKTime date = today;
    date += VOKTimeSpan(-days, 0, 0, 0);
    _modifiedBefore->SetLine(_checker.Write(date), -1, 0);
  }
}

void DemoSearchForm::CloseForm(VOKCommand*, VOKNotification*, void*) {
  SetVisibility(VOKDlgVisibility::Hidden);
}

}  // namespace vok_demo
