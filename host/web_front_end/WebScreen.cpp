// File: WebScreen.cpp
#include "web_front_end/WebScreen.h"

#include "web_front_end/PageView.h"

namespace vok::web {
namespace {

// How often the toolkit's thread looks at the interruption and the page.
constexpr std::chrono::milliseconds kPoll{100};

}  // namespace

WebScreen::WebScreen(VOKCellSize size, std::function<bool()> interrupted)
    : _size(size), _interrupted(std::move(interrupted)) {}

void WebScreen::Show(const VOKScreenView& view) {
  nlohmann::json described = DescribeViewJson(view);
  std::string patch = nlohmann::json::diff(_described, described)
                          .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  std::string text = described.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  _described = std::move(described);
  {
    std::lock_guard lock(_mutex);
    _view = std::move(text);
    _patch = std::move(patch);
    ++_version;
  }
  _changed.notify_all();
}

VOKInputEvent WebScreen::Next() {
  std::unique_lock lock(_mutex);
  while (_events.empty()) {
    if (_ended || pageGone() || _interrupted()) return {};
    _changed.wait_for(lock, kPoll);
  }
  const VOKInputEvent event = _events.front();
  _events.pop_front();
  return event;
}

bool WebScreen::pageGone() const {
  return _current != 0 && _open == 0 && std::chrono::steady_clock::now() - _lastClosed > kPageGone;
}

long WebScreen::OpenStream() {
  long stream = 0;
  {
    std::lock_guard lock(_mutex);
    ++_open;
    stream = ++_current;
  }
  _changed.notify_all();
  return stream;
}

void WebScreen::CloseStream() {
  std::lock_guard lock(_mutex);
  --_open;
  _lastClosed = std::chrono::steady_clock::now();
}

WebScreen::Posted WebScreen::Post(long stream, const VOKInputEvent& event) {
  {
    std::lock_guard lock(_mutex);
    if (_ended) return Posted::Ended;
    if (stream != _current) return Posted::TakenOver;
    _events.push_back(event);
  }
  _changed.notify_all();
  return Posted::Accepted;
}

WebScreen::Update WebScreen::WaitForUpdate(long stream, long seen, std::chrono::milliseconds wait) {
  std::unique_lock lock(_mutex);
  const auto ready = [&] { return _ended || stream != _current || _version > seen; };
  if (!_changed.wait_for(lock, wait, ready)) return {};
  if (stream != _current) return {Update::Kind::TakenOver, "", _version};
  if (_version > seen && seen > 0 && seen == _version - 1)
    return {Update::Kind::Patch, _patch, _version};
  if (_version > seen) return {Update::Kind::View, _view, _version};
  return {Update::Kind::Ended, "", _version};
}

void WebScreen::End() {
  {
    std::lock_guard lock(_mutex);
    _ended = true;
  }
  _changed.notify_all();
}

}  // namespace vok::web
