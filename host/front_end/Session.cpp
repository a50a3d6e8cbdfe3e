// File: Session.cpp
// The session's loops, its picture of the screen and its keyboard focus.
#include "Session.h"

#include <algorithm>

#include "SessionFields.h"
#include "VOKCellText.h"
#include "VOKFrontEndSession.h"
#include "VOKPainter.h"
#include "VOKWindowStack.h"

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

void Session::rebuild() {
  _windows = VOKPlaceWindows(stack());
  placeOnScreen();
  std::erase_if(_remembered, [this](const auto& entry) {
    return std::none_of(_windows.begin(), _windows.end(), [&entry](const VOKWindowLayout& window) {
      return &window.Window() == entry.first;
    });
  });
  _chain = FocusChain(top());
  restoreFocus();
  const Target* target = focus();
  const VOKDialog* focused =
      target != nullptr && target->part == Part::Widget ? target->widget : nullptr;
  if (_draft && _draft->field != focused) _draft.reset();
  if (_list && _list->combo != focused) _list.reset();
}

void Session::placeOnScreen() {
  const VOKCellSize screen = _screen.Size();
  const VOKCellRect all = VOKWindowsBounds(_windows);
  const int dx = std::max((screen.width - all.width) / 2, 0);
  const int dy = std::max((screen.height - all.height) / 2, 0);
  for (VOKWindowLayout& window : _windows)
    window.MoveTo(window.Bounds().x + dx, window.Bounds().y + dy);
}

// Each window keeps its own focus, by widget, and by place (relative to the
// window) for when that widget can no longer take it.
void Session::restoreFocus() {
  const auto known = _remembered.find(&top().Window());
  if (known == _remembered.end()) return setFocus(_chain.empty() ? -1 : 0);
  const Target& before = known->second.target;
  int index = IndexOf(_chain, before);
  if (index < 0) index = AtOrAfter(_chain, before.rect.Moved(top().Bounds().x, top().Bounds().y));
  setFocus(index);
}

void Session::setFocus(int index) {
  _focus = index;
  if (index < 0) return;
  Target kept = _chain[static_cast<std::size_t>(index)];
  kept.rect = kept.rect.Moved(-top().Bounds().x, -top().Bounds().y);
  _remembered[&top().Window()] = {kept};
}

const Target* Session::focus() const {
  return _focus >= 0 && _focus < static_cast<int>(_chain.size())
             ? &_chain[static_cast<std::size_t>(_focus)]
             : nullptr;
}

void Session::show() {
  const VOKCellSize size = _screen.Size();
  VOKScreenView view;
  view.canvas = VOKCanvas(size.width, size.height);
  for (const VOKWindowLayout& window : _windows) VOKPaintWindow(view.canvas, window);
  if (const Target* target = focus()) view.focus = target->rect;
  paintDraft(view.canvas, view);
  if (_list) {
    const VOKCellRect* combo = top().Find(_list->combo);
    const VOKDropList list =
        VOKPlaceDropList(*combo, _list->combo->GetLineCount(), _list->highlighted, size.height);
    VOKPaintDropList(view.canvas, *_list->combo, list, _list->highlighted);
  }
  _screen.Show(view);
}

// The focused field shows the text being typed, scrolled so that the
// cursor stays inside it.
void Session::paintDraft(VOKCanvas& canvas, VOKScreenView& view) const {
  const Target* target = focus();
  if (target == nullptr || target->part != Part::Widget || !typedInto(*target->widget)) return;
  const FieldDraft draft = _draft ? _draft->text : FieldDraft(FieldText(*target->widget));
  const VOKCellRect area = VOKFieldTextArea(*target->widget, target->rect);
  if (area.width <= 0) return;
  const int first = draft.FirstShown(area.width);
  const std::u32string text = VOKDecodeUtf8(draft.Text());
  VOKPaintFieldText(canvas, *target->widget, target->rect, draft.Text(), first);
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
