// File: VOKLayout.h
// The toolkit's layout in character cells. A window is a box: a border
// line with its title (and the close control "x" when its style has
// CloseControl), one blank column inside each side, its content, a bottom
// row with its OK and Cancel buttons when the style has them, and the
// bottom border. Message boxes show their message and one OK button.
//
// Natural sizes of the widgets (columns x lines):
//   label         its title's width
//   push button   the title in brackets ("[Search]"), or one cell for the
//                 icon when the button has an icon name
//   combo         its widest line (editable: at least 10) and " ▾"
//   spinner       its visible text width (else its text's) and " ▴▾"
//   editor        12 columns
//   separator     1 column; it is stretched by its placement
//   frame         its content, laid out as VOKDlgFrame.h describes
// Every widget is one line high except frames. Hidden widgets take no room;
// windows under a frame are not part of its layout (they are drawn as
// windows of their own, see VOKWindowStack.h).
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKCellRect.h"

VOK_FRONTEND_API VOKCellSize VOKNaturalSize(const VOKDialog& widget);

// The part of a field's rectangle that shows its text: all of an editor,
// a combo without its " ▾", a spinner without its " ▴▾".
VOK_FRONTEND_API VOKCellRect VOKFieldTextArea(const VOKDialog& widget, const VOKCellRect& rect);

// Whether a person types text into the widget: editors, Editable spinners
// and Editable combos with FreeText (a list combo is picked from).
VOK_FRONTEND_API bool VOKTakesTypedText(const VOKDialog& widget);

// Message boxes (VOKDlgNotify) show their message and one OK button.
VOK_FRONTEND_API bool VOKIsMessageBox(const VOKDlgWindow& window);

struct VOKLaidWidget {
  VOKDialog* widget = nullptr;
  VOKCellRect rect;
};

// A window laid out with its top-left corner at (0, 0) until moved. A
// message box wraps its text at blanks so that it is at most maxWidth
// columns wide (border included); other windows take their natural size.
class VOK_FRONTEND_API VOKWindowLayout {
 public:
  explicit VOKWindowLayout(VOKDlgWindow& window,
                           int maxWidth = std::numeric_limits<int>::max() / 2);

  VOKDlgWindow& Window() const { return *_window; }
  // The whole window, border included.
  const VOKCellRect& Bounds() const { return _bounds; }
  // The content area inside the border and the blank columns.
  const VOKCellRect& Client() const { return _client; }
  // Every shown widget of the window, containers before their children,
  // children in the order of the widget tree.
  const std::vector<VOKLaidWidget>& Widgets() const { return _widgets; }
  // The rectangle of a widget of this window, or null when it is not laid.
  const VOKCellRect* Find(const VOKDialog* widget) const;

  // The window's own controls, when it has them.
  const std::optional<VOKCellRect>& OKButton() const { return _ok; }
  const std::optional<VOKCellRect>& CancelButton() const { return _cancel; }
  const std::optional<VOKCellRect>& CloseControl() const { return _close; }
  // A message box's text, one entry a line, drawn from the client's top.
  const std::vector<std::string>& MessageLines() const { return _message; }

  void MoveTo(int x, int y);

 private:
  VOKDlgWindow* _window;
  VOKCellRect _bounds;
  VOKCellRect _client;
  std::vector<VOKLaidWidget> _widgets;
  std::optional<VOKCellRect> _ok;
  std::optional<VOKCellRect> _cancel;
  std::optional<VOKCellRect> _close;
  std::vector<std::string> _message;
};
