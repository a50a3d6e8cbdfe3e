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

/// A date field: an editor with a calendar button at its right. Pressing the
/// button opens a new VOKQELNavCalendarUI on top, on the editor's date (today
/// when the text is no date; the current year when the date's year is outside
/// the calendar's bounds); OK writes the picked date in the locale's layout
/// (Buddhist era in a Thai setting that shows it); OK, Cancel and close release
/// the calendar. The editor and button belong to the frame's tree.
class VOK_MODULE_API VOKQELNavDateEntryFrame : public VOKDlgFrame {
 public:
  /// A frame named name under father, with the editor "_calEditor" and the button
  /// "_calButton"; dialog is the form it serves (not owned).
  VOKQELNavDateEntryFrame(VOKDlgDialog* dialog, VOKDlgFrame* father, VOKString name);
  /// The same with the editor and button names and the button's style given, and
  /// no form.
  VOKQELNavDateEntryFrame(VOKDlgFrame* father, VOKString name, VOKString editorName,
                          VOKString buttonName, int buttonStyle);
  /// A copy that designates the same editor and button.
  VOKQELNavDateEntryFrame(VOKQELNavDateEntryFrame& other);
  /// Takes other's editor, button and form.
  VOKQELNavDateEntryFrame& operator=(const VOKQELNavDateEntryFrame& other);
  ~VOKQELNavDateEntryFrame() override;

  /// The class's run-time descriptor, registered on the first request.
  static VOKMetaClass* MetaObject();
  VOKMetaClass* GetMetaObject() const override;
  /// "VOKQELNavDateEntryFrame".
  static const char* ClassName();
  const char* IsA() const override;
  int IsAKindOf(const char* name) const override;
  /// The class's identifier (all zero).
  static const _GUID& ClassId();
  /// Null: the frame is made only with its constructors.
  static VOKBaseUnknown* CreateItself();

  /// Makes the editor and the button; the constructors call it once.
  void Build(VOKString editorName, VOKString buttonName, int buttonStyle);
  /// The calendar button, or null when it could not be made.
  VOKDlgPushButton* getButton();
  /// The date editor, or null when it could not be made.
  VOKDlgEditor* getEditor();

  /// The button's callback: opens a calendar on the editor's date.
  void StartCalendar(VOKCommand* sender, VOKNotification* notification, void* data);
  /// The calendar's OK: writes the picked date into the editor and releases the
  /// calendar. A derived frame may add to it.
  virtual void OpenCalendarMngt(VOKCommand* sender, VOKNotification* notification, void* data);
  /// The calendar's Cancel and close: releases it, the editor unchanged.
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
