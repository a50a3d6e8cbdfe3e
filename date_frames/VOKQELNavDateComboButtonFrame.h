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

class VOK_MODULE_API VOKQELNavDateComboButtonFrame : public VOKDlgFrame {
 public:
  VOKQELNavDateComboButtonFrame(VOKDlgFrame* father, VOKString name, VOKDlgCombo* combo);
  VOKQELNavDateComboButtonFrame(VOKQELNavDateComboButtonFrame& other);
  VOKQELNavDateComboButtonFrame& operator=(const VOKQELNavDateComboButtonFrame& other);
  ~VOKQELNavDateComboButtonFrame() override;

  void Build();

  void StartCalendar(VOKCommand* sender, VOKNotification* notification, void* data);
  void OpenCalendarMngt(VOKCommand* sender, VOKNotification* notification, void* data);
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
