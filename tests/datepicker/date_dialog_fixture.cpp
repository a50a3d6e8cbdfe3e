#include "datepicker/date_dialog_fixture.h"

#include <stdexcept>

#include "base_runtime/VOKMsgCatalog.h"

namespace {
constexpr int kCells = 37;

bool IsShown(const VOKDlgPushButton* button) {
  return button && button->GetVisibility() == VOKDlgVisibility::Shown;
}
}  // namespace

void DateDialogTest::SetUp() {
  CalendarFixture::SetUp();
  VOKMsgCatalog::LoadFromMemory("VOKPLMDlgDate",
                                "CalendarChoose = Choose a date\nSun = Su\nMon = Mo\nTue = Tu\n"
                                "Wed = We\nThu = Th\nFri = Fr\nSat = Sa\n");
  VOKMsgCatalog::LoadFromMemory("VOKZeltSheetEditor",
                                "InvalidYear.Text = The year %1 is not valid.\n"
                                "InvalidYear.Title = Invalid year %1\n");
  host = std::make_unique<VOKDlgDialog>(nullptr, "Host", VOKDlgStyle::OKButton);
  host->SetVisibility(VOKDlgVisibility::Shown);
}

void DateDialogTest::TearDown() {
  host.reset();
  CalendarFixture::TearDown();
}

VOKPLMDlgDate& DateDialogTest::Open() {
  auto* dialog = new VOKPLMDlgDate(host.get());
  if (!dialog) throw std::runtime_error("the dialog could not be allocated");
  dialog->SetVisibility(VOKDlgVisibility::Shown);
  return *dialog;
}

VOKDlgSpinner* DateDialogTest::Spinner(const VOKPLMDlgDate& dialog) {
  return dynamic_cast<VOKDlgSpinner*>(dialog.FindDescendant("YearSpinner"));
}

VOKDlgCombo* DateDialogTest::Combo(const VOKPLMDlgDate& dialog) {
  return dynamic_cast<VOKDlgCombo*>(dialog.FindDescendant("MonthCombo"));
}

VOKDlgPushButton* DateDialogTest::Button(const VOKPLMDlgDate& dialog, int number) {
  return dynamic_cast<VOKDlgPushButton*>(dialog.FindDescendant(std::to_string(number).c_str()));
}

std::string DateDialogTest::MonthView(const VOKPLMDlgDate& dialog) {
  std::string view;
  for (int cell = 0; cell < kCells; ++cell) {
    const VOKDlgPushButton* button = Button(dialog, cell + 1);
    std::string text = !button ? "?" : !IsShown(button) ? "." : button->GetTitle().ToUtf8();
    if (IsShown(button) && button->GetSensitivity() == VOKDlgSensitivity::Greyed) {
      text = "[" + text + "]";
    }
    view += std::string(text.size() < 4 ? 4 - text.size() : 0, ' ') + text;
    if (cell % 7 == 6 || cell == kCells - 1) view += "\n";
  }
  return view;
}

std::vector<int> DateDialogTest::MarkedButtons(const VOKPLMDlgDate& dialog) {
  std::vector<int> marked;
  for (int number = 1; number <= kCells; ++number) {
    const VOKDlgPushButton* button = Button(dialog, number);
    if (button && button->GetSensitivity() == VOKDlgSensitivity::Greyed) marked.push_back(number);
  }
  return marked;
}

int DateDialogTest::FirstShownCell(const VOKPLMDlgDate& dialog) {
  for (int number = 1; number <= kCells; ++number) {
    if (IsShown(Button(dialog, number))) return number - 1;
  }
  return -1;
}
