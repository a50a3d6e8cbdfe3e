// File: VOKQELNavDateComboButtonFrame.h
// A calendar button for a combo that already exists in a host dialog: the
// combo's edit field takes the place of the entry frame's editor. The frame
// owns none of the widgets its pointers designate.
#pragma once

#include "base_runtime/VOKMsgCatalog.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "module/ModuleExport.h"

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
  VOKMsgCatalog _catalog;
  VOKDlgPushButton* _calButton = nullptr;
  VOKDlgFrame* _father = nullptr;
  VOKDlgEditor* _calValue = nullptr;  // hidden, parentless; see Build
  VOKDlgCombo* _combo = nullptr;
  VOKString _name;
};
