// File: VOKDlgUser.h
// The user's actions: the one path by which a front end or a test acts on
// widgets as a person would. Each action first checks that the person
// could reach the widget (it and its ancestors up to its window are shown
// and usable; see VOKDialog::IsReachable) and returns false without any
// effect otherwise. An action sends exactly the notification a real toolkit
// sends, once; destructions requested during it happen before it returns.
#pragma once

#include <vector>

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKUnicodeString.h"
#include "dialog_toolkit/VOKDialog.h"

class VOKDlgPushButton;
class VOKDlgCombo;
class VOKDlgEditor;
class VOKDlgSpinner;
class VOKDlgDialog;
class VOKDlgWindow;

/// The person's actions and view (see the notes above): front ends, tests and
/// examples act through it as a person would, and find the window on top and a
/// widget by the text it shows.
class VOK_HOST_API VOKDlgUser {
 public:
  /// Activate notification.
  static bool Press(VOKDlgPushButton* button);
  /// Selects the line, shows it in the field, then the select notification.
  static bool Choose(VOKDlgCombo* combo, int line);
  /// Editable combos only. With FreeText: replaces the field's text, then
  /// the modify notification. Without: chooses the line the text names, as
  /// Choose does; false for text that names no line.
  static bool Type(VOKDlgCombo* combo, const VOKUnicodeString& text);
  /// Replaces the editor's text, then the modify notification.
  static bool Type(VOKDlgEditor* editor, const VOKUnicodeString& text);
  /// Replaces the spinner's text (Editable spinners only), then the modify
  /// notification.
  static bool Type(VOKDlgSpinner* spinner, const VOKUnicodeString& text);
  /// Button-up notification; the text is left as it is.
  static bool StepUp(VOKDlgSpinner* spinner);
  /// Button-down notification; the text is left as it is.
  static bool StepDown(VOKDlgSpinner* spinner);
  /// OK notification of a dialog whose style has that button.
  static bool PressOK(VOKDlgDialog* dialog);
  /// Cancel notification of a dialog whose style has that button.
  static bool PressCancel(VOKDlgDialog* dialog);
  /// Close notification of a window whose style has the close control.
  static bool Close(VOKDlgWindow* window);

  /// What the person sees. The shown windows opened below root (calendars,
  /// message boxes), bottom to top in tree order; root itself not included.
  static std::vector<VOKDlgWindow*> OpenWindows(const VOKDlgWindow& root);
  /// The window on top: the last of OpenWindows, else root; null when root
  /// is not shown.
  static VOKDlgWindow* TopWindow(VOKDlgWindow& root);
  /// The first widget of window, depth first, whose title is text and which
  /// the person can reach; windows opened from it are not searched. Null
  /// when there is none.
  static VOKDialog* FindShown(const VOKDlgWindow& window, const VOKUnicodeString& text);
  /// The same, of one kind: FindShown<VOKDlgPushButton>(calendar, "12").
  template <class Widget>
  static Widget* FindShown(const VOKDlgWindow& window, const VOKUnicodeString& text) {
    return dynamic_cast<Widget*>(FindShown(window, text));
  }
};
