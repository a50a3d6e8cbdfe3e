// File: VOKQELNavDateComboButtonFrame.h
// A calendar button for a combo that already exists in a host dialog: the
// combo's edit field takes the place of the entry frame's editor.
//
// Ownership: the button belongs to the toolkit's tree under the frame, the
// combo and the father to the caller. The hidden "_CalValue" editor has no
// parent, so no tree would ever destroy it: the frame that builds it holds
// it through _calValueOwner, and copies share that hold, so the editor is
// deleted exactly once, when the last frame designating it goes.
#pragma once

#include <memory>

#include "base_runtime/VOKMsgCatalog.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "module/ModuleExport.h"

class VOKQELNavCalendarUI;

/// A calendar button for a combo of a host form: pressing the button (named
/// after the frame, followed by "_Frame") opens a calendar on top, on the date
/// in the combo's field; OK writes the picked date into the field. The button
/// belongs to the frame's tree; the combo and father stay the caller's and must
/// outlive the frame.
class VOK_MODULE_API VOKQELNavDateComboButtonFrame : public VOKDlgFrame {
 public:
  /// A frame named name under father, serving combo; builds its button.
  VOKQELNavDateComboButtonFrame(VOKDlgFrame* father, VOKString name, VOKDlgCombo* combo);
  /// A copy that serves the same combo and shares the hidden editor.
  VOKQELNavDateComboButtonFrame(VOKQELNavDateComboButtonFrame& other);
  /// Takes other's combo, button and hidden editor.
  VOKQELNavDateComboButtonFrame& operator=(const VOKQELNavDateComboButtonFrame& other);
  ~VOKQELNavDateComboButtonFrame() override;

  /// Makes the button and the hidden editor; the constructor calls it.
  void Build();

  /// The button's callback: opens a calendar on the combo's date.
  void StartCalendar(VOKCommand* sender, VOKNotification* notification, void* data);
  /// The calendar's OK: writes the picked date into the combo's field.
  void OpenCalendarMngt(VOKCommand* sender, VOKNotification* notification, void* data);
  /// The calendar's Cancel and close: releases it, the field unchanged.
  void CloseCalendarMngt(VOKCommand* sender, VOKNotification* notification, void* data);

 private:
  void BuildButton();
  void BuildHiddenEditor();
  void OpenCalendar(VOKQELNavCalendarUI& calendar, const VOKUnicodeString& start);

  VOKMsgCatalog _catalog;
  VOKDlgPushButton* _calButton = nullptr;
  VOKDlgFrame* _father = nullptr;
  VOKDlgEditor* _calValue = nullptr;  ///< hidden, parentless; see above
  VOKDlgCombo* _combo = nullptr;
  VOKString _name;
  std::shared_ptr<VOKDlgEditor> _calValueOwner;  ///< deletes _calValue
};
