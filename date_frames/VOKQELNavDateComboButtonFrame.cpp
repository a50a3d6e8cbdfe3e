// File: VOKQELNavDateComboButtonFrame.cpp
// Construction of the combo-button frame: its calendar button and the
// hidden editor that the calendars are bound to.
#include "date_frames/VOKQELNavDateComboButtonFrame.h"

#include "base_runtime/VOKMsgCatalog.h"
#include "module/ModuleTrace.h"

namespace {

constexpr std::uint64_t kFrameStyle =
    VOKDlgStyle::Editable | VOKDlgStyle::Placed | VOKDlgStyle::GridLayout;
constexpr int kFillCell = 30;
constexpr const char* kShortHelpKey =
    "frame.tabcont.easypage.scrollable.mainFrame.SearchComboCol3_8.VOKImmDate_8.ShortHelp";

// The same tooltip for every frame, whatever its name.
VOKUnicodeString ButtonShortHelp() {
  const VOKUnicodeString help =
      VOKMsgCatalog::BuildMessage("VOKImmSearchWin", kShortHelpKey, nullptr, 0, "Icon");
  return VOKUnicodeString(help.ConvertToChar());
}

}  // namespace

VOKQELNavDateComboButtonFrame::VOKQELNavDateComboButtonFrame(VOKDlgFrame* father, VOKString name,
                                                             VOKDlgCombo* combo)
    : VOKDlgFrame(father, name, kFrameStyle), _father(father), _combo(combo), _name(name) {
  Build();
}

// A copy designates the same button, editor, combo and father; the hidden
// editor's hold is shared, so it is released once.
VOKQELNavDateComboButtonFrame::VOKQELNavDateComboButtonFrame(VOKQELNavDateComboButtonFrame& other) =
    default;

VOKQELNavDateComboButtonFrame& VOKQELNavDateComboButtonFrame::operator=(
    const VOKQELNavDateComboButtonFrame& other) = default;

// The hidden editor has no parent: dropping the hold here deletes it when
// no copy designates it any more. Every other widget goes with its tree.
VOKQELNavDateComboButtonFrame::~VOKQELNavDateComboButtonFrame() {
  _calButton = nullptr;
  _father = nullptr;
  _calValue = nullptr;
  _combo = nullptr;
  _calValueOwner.reset();
}

// A missing button or hidden editor is skipped and traced; a press then
// finds out what is missing.
void VOKQELNavDateComboButtonFrame::Build() {
  _calButton = new VOKDlgPushButton(this, _name + "_Frame", VOKDlgStyle::Placed);
  if (_calButton != nullptr) {
    BuildButton();
  } else {
    VOK_TRACE(vok_module::ComboButtonFrameTrace(), "Button is NULL!");
  }
  BuildHiddenEditor();
  if (_calButton != nullptr) {
    AddAnalyseNotificationCB(_calButton, _calButton->GetPushBActivateNotification(),
                             &VOKQELNavDateComboButtonFrame::StartCalendar, _calValue);
  }
  SetVisibility(VOKDlgVisibility::Shown);
}

void VOKQELNavDateComboButtonFrame::BuildButton() {
  _calButton->SetIconName("I_QELNavCHCalendar", "", "", "", 1);
  _calButton->SetShortHelp(ButtonShortHelp());
  _calButton->SetGridConstraints(0, 0, 1, 1, kFillCell);
  _calButton->SetVisibility(VOKDlgVisibility::Shown);
}

void VOKQELNavDateComboButtonFrame::BuildHiddenEditor() {
  _calValue = new VOKDlgEditor(nullptr, "_CalValue", 0);
  _calValueOwner.reset(_calValue);
  if (_calValue != nullptr) {
    _calValue->SetVisibility(VOKDlgVisibility::Hidden);
  } else {
    VOK_TRACE(vok_module::ComboButtonFrameTrace(), "Editor is NULL!");
  }
}
