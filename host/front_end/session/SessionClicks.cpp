// File: SessionClicks.cpp
// What mouse clicks do. A click goes to the topmost window under it; it
// reaches a window below only through modeless windows above it.
#include <algorithm>

#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/Session.h"

namespace vok::session {

namespace {

bool clickable(const VOKDialog& widget) { return kinds::KindOf(widget).Interactive(); }

bool modeless(const VOKDlgWindow& window) {
  return (window.GetStyle() & VOKDlgStyle::Modeless) != 0;
}

}  // namespace

// A click that leaves the field being typed into hands its text over
// first, and is not carried out when that text is refused.
void Session::handleClick(int x, int y, bool twice) {
  if (_list) return clickList(x, y);
  const Target* target = focus();
  if (_draft && !(target != nullptr && target->rect.Contains(x, y)) && !commitDraft()) return;
  for (auto window = _windows.rbegin(); window != _windows.rend(); ++window) {
    if (window->Bounds().Contains(x, y))
      return clickWindow(*window, x, y, window == _windows.rbegin(), twice);
    if (!modeless(window->Window())) return;
  }
}

// A click on a line chooses it; anywhere else it only closes the list.
void Session::clickList(int x, int y) {
  const OpenList open = *_list;
  _list.reset();
  const VOKCellRect* combo = top().Find(open.combo);
  if (combo == nullptr) return;
  const VOKDropList list =
      VOKPlaceDropList(*combo, open.combo->GetLineCount(), open.highlighted, _screen.Size().height);
  const int line = list.LineAt(x, y);
  if (line >= 0) chooseLine(*open.combo, line);
}

void Session::clickWindow(const VOKWindowLayout& window, int x, int y, bool isTop, bool twice) {
  VOKDlgWindow& clicked = window.Window();
  if (window.CloseControl() && window.CloseControl()->Contains(x, y)) {
    if (VOKIsMessageBox(clicked)) return pressWindowButton(clicked, Part::OK);
    record("close");
    VOKDlgUser::Close(&clicked);
    return rebuild();
  }
  if (window.OKButton() && window.OKButton()->Contains(x, y))
    return pressWindowButton(clicked, Part::OK);
  if (window.CancelButton() && window.CancelButton()->Contains(x, y)) {
    return pressWindowButton(clicked, Part::Cancel);
  }
  const auto& widgets = window.Widgets();
  const auto hit = std::find_if(widgets.rbegin(), widgets.rend(), [&](const auto& laid) {
    return laid.rect.Contains(x, y) && clickable(*laid.widget);
  });
  if (hit != widgets.rend()) return clickWidget(*hit->widget, hit->rect, x, isTop, twice);
}

// In the top window the clicked widget also takes the focus. Spinners
// step on their arrows ("▴" up, "▾" down). A double click on a grid's
// button picks and accepts it.
void Session::clickWidget(VOKDialog& widget, const VOKCellRect& rect, int x, bool isTop,
                          bool twice) {
  if (isTop) {
    const int index = IndexOf(_chain, Target{&widget, Part::Widget, rect});
    if (index < 0) return;
    setFocus(index);
    if (twice && InButtonGrid(widget)) return pickAndAccept(widget);
  }
  const kinds::WidgetKind& kind = kinds::KindOf(widget);
  const kinds::Click click = kind.ClickAt(widget, rect, x);
  if (click == kinds::Click::StepUp || click == kinds::Click::StepDown)
    return step(widget, click == kinds::Click::StepUp);
  if (click == kinds::Click::OpenList) {
    if (isTop) openList(*kind.List(widget));
    return;
  }
  if (click == kinds::Click::Press) press(widget);
}

}  // namespace vok::session
