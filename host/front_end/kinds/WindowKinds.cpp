// File: WindowKinds.cpp
// Windows, drawn on their own: plain windows, dialogs with their OK and
// Cancel buttons, and message boxes with one OK.
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

namespace {

class Window : public WidgetKind {
 public:
  bool HoldsWidgets() const override { return true; }
  bool IsWindow() const override { return true; }
};

class Dialog : public Window {
 public:
  bool HasOwnButtons() const override { return true; }
  bool Answer(VOKDlgWindow& window, bool ok) const override {
    auto* dialog = static_cast<VOKDlgDialog*>(&window);
    ok ? VOKDlgUser::PressOK(dialog) : VOKDlgUser::PressCancel(dialog);
    return true;
  }
};

class MessageBox : public Window {
 public:
  bool IsMessageBox() const override { return true; }
};

}  // namespace

const WidgetKind& WindowKind() { return One<Window>(); }

const WidgetKind& DialogKind() { return One<Dialog>(); }

const WidgetKind& MessageBoxKind() { return One<MessageBox>(); }

}  // namespace vok::kinds
