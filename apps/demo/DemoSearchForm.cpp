// File: DemoSearchForm.cpp
// Building the form.
#include "DemoSearchForm.h"

#include "DemoText.h"
#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "dialog_toolkit/VOKDlgStyle.h"

namespace vok_demo {
namespace {

constexpr std::uint64_t kPlaced = VOKDlgStyle::Placed;
constexpr std::uint64_t kGridFrame = VOKDlgStyle::GridLayout | VOKDlgStyle::Placed;
constexpr int kFill = 30;
constexpr int kLeft = VOKDlgJustify::Left;
constexpr int kRight = VOKDlgJustify::Right;

VOKDlgLabel* AddLabel(VOKDlgFrame& grid, const char* name, const VOKUnicodeString& text) {
  auto* label = new VOKDlgLabel(&grid, name, kPlaced);
  if (label != nullptr) label->SetTitle(text);
  return label;
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

// Row 0: the label and a date entry frame over the two right columns.
void DemoSearchForm::BuildCreatedAfter(VOKDlgFrame& grid) {
  Place(AddLabel(grid, "CreatedAfterLabel", DemoText("CreatedAfter")), 0, 0, 1, kLeft);
  auto* entry = new VOKQELNavDateEntryFrame(this, &grid, "CreatedAfter");
  if (entry == nullptr) return;
  Place(entry, 0, 1, 2, kFill);
  _createdAfter = entry->getEditor();
}

// Row 1: the label, an editable combo of recent dates and its calendar
// button frame.
void DemoSearchForm::BuildModifiedBefore(VOKDlgFrame& grid) {
  Place(AddLabel(grid, "ModifiedBeforeLabel", DemoText("ModifiedBefore")), 1, 0, 1, kLeft);
  _modifiedBefore = new VOKDlgCombo(&grid, "RecentDates", kPlaced | VOKDlgStyle::Editable);
  if (_modifiedBefore == nullptr) return;
  Place(_modifiedBefore, 1, 1, 1, kFill);
  FillRecentDates();
  Place(new VOKQELNavDateComboButtonFrame(&grid, "ModifiedBefore", _modifiedBefore), 1, 2, 1,
        kFill);
}

// Row 2: the date layout hint and the Search button; row 3: the result.
void DemoSearchForm::BuildSearchRow(VOKDlgFrame& grid) {
  Place(AddLabel(grid, "LayoutHint", DemoText("LayoutHint", {DateFieldChecker::Layout()})), 2, 0,
        2, kLeft);
  auto* search = new VOKDlgPushButton(&grid, "Search", kPlaced);
  if (search != nullptr) {
    search->SetTitle(DemoText("Search"));
    Place(search, 2, 2, 1, kRight);
    AddAnalyseNotificationCB(search, search->GetPushBActivateNotification(),
                             &DemoSearchForm::Search, nullptr);
  }
  _result = AddLabel(grid, "Result", DemoText("Result.Ready"));
  Place(_result, 3, 0, 3, kLeft);
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
