// File: VOKQELNavDateEntryFrame.cpp
// Construction of the entry frame: an editor that takes the frame's spare
// width, and a calendar button of fixed size at its right.
#include "date_frames/VOKQELNavDateEntryFrame.h"

namespace {

// The frame stretches with its parent's cell and places its children on a grid.
constexpr std::uint64_t kFrameStyle =
    VOKDlgStyle::Editable | VOKDlgStyle::Placed | VOKDlgStyle::GridLayout;
constexpr int kFillCell = 30;

}  // namespace

VOKQELNavDateEntryFrame::VOKQELNavDateEntryFrame(VOKDlgDialog* dialog, VOKDlgFrame* father,
                                                 VOKString name)
    : VOKQELNavDateEntryFrame(father, name, "_calEditor", "_calButton",
                              static_cast<int>(VOKDlgStyle::Placed)) {
  _dialog = dialog;
}

VOKQELNavDateEntryFrame::VOKQELNavDateEntryFrame(VOKDlgFrame* father, VOKString name,
                                                 VOKString editorName, VOKString buttonName,
                                                 int buttonStyle)
    : VOKDlgFrame(father, name, kFrameStyle), _father(father) {
  Build(editorName, buttonName, buttonStyle);
}

// A copy designates the same widgets; it creates and releases none.
VOKQELNavDateEntryFrame::VOKQELNavDateEntryFrame(VOKQELNavDateEntryFrame& other) = default;

VOKQELNavDateEntryFrame& VOKQELNavDateEntryFrame::operator=(const VOKQELNavDateEntryFrame& other) =
    default;

// The widgets go with the toolkit's tree; the frame only forgets them.
VOKQELNavDateEntryFrame::~VOKQELNavDateEntryFrame() {
  _dialog = nullptr;
  _father = nullptr;
  _calEditor = nullptr;
  _calButton = nullptr;
}

// Without an editor there is no button, and without a button no callback;
// the frame is shown in every case.
void VOKQELNavDateEntryFrame::Build(VOKString editorName, VOKString buttonName, int buttonStyle) {
  SetGridColumnResizable(0, 1);
  SetGridColumnResizable(1, 0);
  SetGridRowResizable(0, 0);
  SetGridRowResizable(1, 0);
  BuildEditor(editorName);
  if (_calEditor != nullptr) BuildButton(buttonName, buttonStyle);
  SetVisibility(VOKDlgVisibility::Shown);
}

void VOKQELNavDateEntryFrame::BuildEditor(const VOKString& editorName) {
  _calEditor = new VOKDlgEditor(this, editorName, 0);
  if (_calEditor == nullptr) return;
  _calEditor->SetGridConstraints(0, 0, 1, 1, kFillCell);
  _calEditor->SetText("", 0);
}

void VOKQELNavDateEntryFrame::BuildButton(const VOKString& buttonName, int buttonStyle) {
  // Widened with its sign, as the style word is 64 bits wide.
  const auto style = static_cast<std::uint64_t>(static_cast<std::int64_t>(buttonStyle));
  _calButton = new VOKDlgPushButton(this, buttonName, style);
  if (_calButton == nullptr) return;
  _calButton->SetGridConstraints(0, 1, 1, 1, VOKDlgJustify::Top);
  _calButton->SetIconName("I_QELNavCHCalendar", "", "", "", 1);
  AddAnalyseNotificationCB(_calButton, _calButton->GetPushBActivateNotification(),
                           &VOKQELNavDateEntryFrame::StartCalendar, _calEditor);
}

VOKDlgPushButton* VOKQELNavDateEntryFrame::getButton() { return _calButton; }

VOKDlgEditor* VOKQELNavDateEntryFrame::getEditor() { return _calEditor; }
