// File: Session.cpp
// The session's loops, its picture of the screen and its keyboard focus.
#include "front_end/session/Session.h"

#include <algorithm>

#include "front_end/layout/ScreenPlacement.h"
#include "front_end/layout/VOKWindowStack.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/paint/VOKPainter.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/SessionFields.h"
#include "front_end/session/VOKFrontEndSession.h"
#include "front_end/text/TextWrap.h"
#include "front_end/text/VOKCellText.h"

namespace vok::session {

Session::Session(VOKDlgWindow& root, VOKFrontEndScreen& screen) : _root(root), _screen(screen) {
  _previousResponder =
      VOKDlgNotify::SetResponder([this](VOKDlgNotify& box, const VOKUnicodeString&,
                                        const VOKUnicodeString&) { return answerBox(box); });
}

Session::~Session() { VOKDlgNotify::SetResponder(std::move(_previousResponder)); }

void Session::Run() {
  if (_root.GetVisibility() != VOKDlgVisibility::Shown)
    _root.SetVisibility(VOKDlgVisibility::Shown);
  loop([this] { return _root.GetVisibility() != VOKDlgVisibility::Shown; });
}

template <class Done>
void Session::loop(Done done) {
  while (!_quit) {
    rebuild();
    if (done()) return;
    show();
    handle(_screen.Next());
  }
}

// A box is answered by the person, or left when the input ends.
int Session::answerBox(VOKDlgNotify& box) {
  _list.reset();
  ++_boxesShown;
  _boxes.push_back(&box);
  loop([this, &box] { return _answered == &box; });
  _answered = nullptr;
  _boxes.pop_back();
  return 1;
}

std::string Session::FocusName() const {
  const Target* target = focus();
  if (target == nullptr) return "";
  if (target->part == Part::OK) return "OK";
  if (target->part == Part::Cancel) return "Cancel";
  return target->widget->GetName().str();
}

// Boxes being answered go on top, wherever they hang in the widget tree.
std::vector<VOKDlgWindow*> Session::stack() {
  std::vector<VOKDlgWindow*> windows = VOKWindowStack(_root);
  std::erase_if(windows, [this](VOKDlgWindow* window) {
    return std::find(_boxes.begin(), _boxes.end(), window) != _boxes.end();
  });
  windows.insert(windows.end(), _boxes.begin(), _boxes.end());
  return windows;
}

// The last line of the screen is kept for the keys.
void Session::rebuild() {
  const VOKCellSize screen = _screen.Size();
  const std::vector<VOKDlgWindow*> windows = stack();
  layout::LayoutInputs inputs(windows, screen);
  if (inputs != _laidFrom) {
    layOut(windows, screen);
    _laidFrom = std::move(inputs);
  }
  std::erase_if(_remembered, [this](const auto& entry) {
    return std::none_of(_windows.begin(), _windows.end(), [&entry](const VOKWindowLayout& window) {
      return &window.Window() == entry.first;
    });
  });
  _chain = FocusChain(top());
  restoreFocus();
  const VOKDialog* focused = focusedWidget();
  if (_draft && _draft->field != focused) _draft.reset();
  if (_list && _list->combo != focused) _list.reset();
}

void Session::layOut(const std::vector<VOKDlgWindow*>& windows, VOKCellSize screen) {
  ScreenPlan plan = PlaceOnScreen(windows, {screen.width, screen.height - 1});
  _windows = std::move(plan.windows);
  _tooSmall.clear();
  if (plan.tooLarge >= 0) {
    const VOKWindowLayout& large = _windows[static_cast<std::size_t>(plan.tooLarge)];
    _tooSmall =
        window::Text("TooSmall", "\"%1\" needs a terminal of %2 x %3; this one is %4 x %5.",
                     {large.Window().GetTitle().ToUtf8(), std::to_string(large.Bounds().width),
                      std::to_string(large.Bounds().height + 1), std::to_string(screen.width),
                      std::to_string(screen.height)});
  }
}

// Each window keeps its own focus, by widget, and by place (relative to the
// window) for when that widget can no longer take it; a window asks for
// it to go to one of its widgets.
void Session::restoreFocus() {
  const VOKDialog* request = top().Window().TakeFocusRequest();
  const int requested = IndexOf(_chain, Target{const_cast<VOKDialog*>(request), Part::Widget, {}});
  if (requested >= 0) return setFocus(requested);
  const auto known = _remembered.find(&top().Window());
  if (known == _remembered.end()) return setFocus(firstFocus());
  const Target& before = known->second.target;
  int index = IndexOf(_chain, before);
  if (index < 0) index = AtOrAfter(_chain, before.rect.Moved(top().Bounds().x, top().Bounds().y));
  setFocus(index);
}

// A window opens with the focus on the chosen button of its grid (a
// calendar's day), else on its first widget.
int Session::firstFocus() const {
  if (_chain.empty()) return -1;
  return std::max(ChosenInGrid(_chain), 0);
}

// Moving to another widget enters it afresh: a field's text is selected,
// a list's typing starts over.
void Session::setFocus(int index) {
  _focus = index;
  const Target now = index < 0 ? Target{} : _chain[static_cast<std::size_t>(index)];
  if (!now.Same(_entry)) {
    _entry = now;
    _entered = true;
    _typedAhead.clear();
  }
  if (index < 0) return;
  Target kept = now;
  kept.rect = kept.rect.Moved(-top().Bounds().x, -top().Bounds().y);
  _remembered[&top().Window()] = {kept};
}

const Target* Session::focus() const {
  return _focus >= 0 && _focus < static_cast<int>(_chain.size())
             ? &_chain[static_cast<std::size_t>(_focus)]
             : nullptr;
}

VOKDialog* Session::focusedWidget() const {
  const Target* target = focus();
  return target != nullptr && target->part == Part::Widget ? target->widget : nullptr;
}

void Session::show() {
  const VOKCellSize size = _screen.Size();
  VOKScreenView view;
  view.canvas = VOKCanvas(size.width, size.height);
  if (!_tooSmall.empty()) {
    view.notice = _tooSmall;
    int y = 0;
    for (const std::string& line : text::Wrap(_tooSmall, size.width))
      view.canvas.Text(0, y++, line, size.width, VOKCellRole::Label);
  } else {
    paintWindows(view);
  }
  _shown.MarkChanges(view);
  _screen.Show(view);
  _shown.Keep(std::move(view));
}

void Session::paintWindows(VOKScreenView& view) {
  for (const VOKWindowLayout& window : _windows) VOKPaintWindow(view.canvas, window);
  view.windows = _windows;
  if (const Target* target = focus()) view.focus = target->rect;
  paintDraft(view.canvas, view);
  paintList(view.canvas, view);
  view.status = statusLine();
  view.canvas.Text(0, view.canvas.Height() - 1, view.status, view.canvas.Width(),
                   VOKCellRole::Label);
}

void Session::paintList(VOKCanvas& canvas, VOKScreenView& view) {
  if (!_list) return;
  const VOKCellRect* combo = top().Find(_list->combo);
  if (combo == nullptr) return _list.reset();
  const VOKDropList list = VOKPlaceDropList(*combo, _list->combo->GetLineCount(),
                                            _list->highlighted, _screen.Size().height);
  VOKPaintDropList(canvas, *_list->combo, list, _list->highlighted);
  view.list = VOKOpenListView{_list->combo, list, _list->highlighted};
}

// The keys, or the question Esc asks before the last window closes.
std::string Session::statusLine() const {
  if (_askingToClose) {
    return window::Text("Keys.Close", "Close \"%1\"? Esc: close it, any other key: stay",
                        {top().Window().GetTitle().ToUtf8()});
  }
  return window::Text("Keys", "Ctrl-Q: quit  Esc: cancel  Tab: next  Enter: press");
}

// The focused field shows the text being typed, scrolled so that the
// cursor stays inside it.
void Session::paintDraft(VOKCanvas& canvas, VOKScreenView& view) const {
  const Target* target = focus();
  if (target == nullptr || target->part != Part::Widget || !VOKTakesTypedText(*target->widget))
    return;
  const FieldDraft draft = _draft ? _draft->text : FieldDraft(FieldText(*target->widget), _entered);
  const VOKCellRect area = VOKFieldTextArea(*target->widget, target->rect);
  if (area.width <= 0) return;
  const int first = draft.FirstShown(area.width);
  const std::u32string text = VOKDecodeUtf8(draft.Text());
  VOKPaintFieldText(canvas, *target->widget, target->rect, draft.Text(), first, draft.Selected());
  view.draft = VOKFieldDraftView{target->widget, draft.Text(), draft.Cursor(), draft.Selected()};
  const auto shown = text.substr(static_cast<std::size_t>(first),
                                 static_cast<std::size_t>(draft.Cursor() - first));
  view.cursor = VOKCellPoint{area.x + VOKTextColumns(VOKEncodeUtf8(shown)), area.y};
}

}  // namespace vok::session

VOKFrontEndSession::VOKFrontEndSession(VOKDlgWindow& root, VOKFrontEndScreen& screen)
    : _session(std::make_unique<vok::session::Session>(root, screen)) {}

VOKFrontEndSession::~VOKFrontEndSession() = default;

void VOKFrontEndSession::Run() { _session->Run(); }

std::string VOKFrontEndSession::FocusName() const { return _session->FocusName(); }
