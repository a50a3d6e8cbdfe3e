// File: VOKQELNavDateEntryFrame.h
// A frame holding a date editor with a calendar button at its right.
// Pressing the button opens a new calendar on the editor's date; OK writes
// the picked date back in the locale's conversion format. The frame keeps
// no pointer to its calendars: each travels as the client data of the
// callbacks registered on it and is released on the user's answer.
#pragma once

#include "base_runtime/VOKMetaClass.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "module/ModuleExport.h"

class VOKQELNavCalendarUI;

class VOK_MODULE_API VOKQELNavDateEntryFrame : public VOKDlgFrame {
 public:
  VOKQELNavDateEntryFrame(VOKDlgDialog* dialog, VOKDlgFrame* father, VOKString name);
  VOKQELNavDateEntryFrame(VOKDlgFrame* father, VOKString name, VOKString editorName,
                          VOKString buttonName, int buttonStyle);
  VOKQELNavDateEntryFrame(VOKQELNavDateEntryFrame& other);
  VOKQELNavDateEntryFrame& operator=(const VOKQELNavDateEntryFrame& other);
  ~VOKQELNavDateEntryFrame() override;

  static VOKMetaClass* MetaObject();
  VOKMetaClass* GetMetaObject() const override;
  static const char* ClassName();
  const char* IsA() const override;
  int IsAKindOf(const char* name) const override;
  static const _GUID& ClassId();
  static VOKBaseUnknown* CreateItself();

  void Build(VOKString editorName, VOKString buttonName, int buttonStyle);
  VOKDlgPushButton* getButton();
  VOKDlgEditor* getEditor();

  void StartCalendar(VOKCommand* sender, VOKNotification* notification, void* data);
  virtual void OpenCalendarMngt(VOKCommand* sender, VOKNotification* notification, void* data);
  void CloseCalendarMngt(VOKCommand* sender, VOKNotification* notification, void* data);

 private:
  using Handler = void (VOKQELNavDateEntryFrame::*)(VOKCommand*, VOKNotification*, void*);

  void BuildEditor(const VOKString& editorName);
  void BuildButton(const VOKString& buttonName, int buttonStyle);
  void OpenCalendar(VOKQELNavCalendarUI& calendar);
  void AddCalendarCallback(const char* announcement, VOKQELNavCalendarUI& calendar,
                           VOKNotification* notification, Handler handler);

  static VOKMetaClass* meta_object;

  VOKDlgPushButton* _calButton = nullptr;
  VOKMsgCatalog _catalog;
  unsigned char _reserved = 0;  ///< copied with the frame, otherwise unused
  VOKDlgDialog* _dialog = nullptr;
  VOKDlgFrame* _father = nullptr;
  VOKDlgEditor* _calEditor = nullptr;
};
