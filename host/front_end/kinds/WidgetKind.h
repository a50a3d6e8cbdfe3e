// File: WidgetKind.h
// Internal to the front end. What the front ends know of each kind of the
// toolkit's widgets, in one place per kind: its natural size, its look, how
// a page describes it, and what keys and clicks do to it. The toolkit
// knows nothing of this; KindOf finds a widget's kind by its class chain.
#pragma once

#include <string>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/kinds/VOKWidgetDescription.h"
#include "front_end/layout/VOKCellRect.h"
#include "front_end/paint/VOKCanvas.h"

namespace vok::kinds {

// What a click at column x on a widget asks for.
enum class Click { Press, OpenList, StepUp, StepDown, Nothing };

// The defaults are those of a widget that only shows its title.
class WidgetKind {
 public:
  // pageKind: what a page calls the widget (VOKWidgetDescription::kind).
  explicit WidgetKind(const char* pageKind = "label") : _pageKind(pageKind) {}
  WidgetKind(const WidgetKind&) = delete;
  WidgetKind& operator=(const WidgetKind&) = delete;
  virtual ~WidgetKind() = default;

  // Layout. The size of a widget that holds no others.
  virtual VOKCellSize Natural(const VOKDialog& widget) const;
  // Frames and windows lay out their children.
  virtual bool HoldsWidgets() const { return false; }
  virtual bool IsWindow() const { return false; }
  virtual bool FillsParentWidth(const VOKDialog& /*widget*/) const { return false; }
  // Columns at the right of a field that are not its text (" ▾", " ▴▾").
  virtual int ArrowColumns() const { return 0; }

  // Look: the widget in its rectangle.
  virtual void Paint(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) const;
  // Page: its kind, text and the parts a page needs ("greyed" and
  // "editable" are filled in by VOKDescribeWidget).
  virtual VOKWidgetDescription Describe(const VOKDialog& widget, const VOKCellRect& rect) const;

  // Input. Buttons and fields take the focus and clicks.
  virtual bool Interactive() const { return false; }
  virtual bool IsButton() const { return false; }
  virtual bool IsLabel() const { return false; }
  virtual bool TakesTypedText(const VOKDialog& /*widget*/) const { return false; }
  // Spinners and combos step with the arrow keys.
  virtual bool Steps() const { return false; }
  // What the widget shows: a field's text, else its title.
  virtual std::string Text(const VOKDialog& widget) const;
  // Hands typed text to a field.
  virtual void Type(VOKDialog& /*widget*/, const VOKUnicodeString& /*text*/) const {}
  // Presses a push button; false for other widgets.
  virtual bool Press(VOKDialog& /*widget*/) const { return false; }
  // Steps a spinner; false for other widgets (a combo steps by its list).
  virtual bool Step(VOKDialog& /*widget*/, bool /*up*/) const { return false; }
  // The list a person chooses from, for combos.
  virtual VOKDlgCombo* List(VOKDialog& /*widget*/) const { return nullptr; }
  virtual Click ClickAt(const VOKDialog& /*widget*/, const VOKCellRect& /*rect*/, int /*x*/) const {
    return Click::Press;
  }

  // Windows. A message box is answered by its one OK button; a dialog
  // has OK and Cancel buttons of its own when its style asks for them.
  virtual bool IsMessageBox() const { return false; }
  virtual bool HasOwnButtons() const { return false; }
  // Presses a dialog's OK (ok) or Cancel; false for other windows.
  virtual bool Answer(VOKDlgWindow& /*window*/, bool /*ok*/) const { return false; }

 private:
  const char* _pageKind;
};

// The kind of a widget: the nearest class of its chain that the front
// ends know (a module's frame is a frame); a widget of none is plain.
const WidgetKind& KindOf(const VOKDialog& widget);

// The one object of a kind.
template <class Kind>
const WidgetKind& One() {
  static const Kind kind;
  return kind;
}

// The kinds, one file each, keyed in KindOf by the toolkit class names.
const WidgetKind& PlainKind();
const WidgetKind& LabelKind();
const WidgetKind& PushButtonKind();
const WidgetKind& ComboKind();
const WidgetKind& SpinnerKind();
const WidgetKind& EditorKind();
const WidgetKind& SeparatorKind();
const WidgetKind& FrameKind();
const WidgetKind& WindowKind();
const WidgetKind& DialogKind();
const WidgetKind& MessageBoxKind();

}  // namespace vok::kinds
