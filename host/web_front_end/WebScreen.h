// File: WebScreen.h
// Internal to the web front end. The screen of a session whose person is
// a page in a browser. The session calls Size, Show and Next on the
// toolkit's thread; the server's threads hand in the page's events and
// wait for the views to send, so every member locks.
//
// One person at a time: each page that opens the event stream takes the
// session over, and the page that had it is told so and its events are
// refused. The input ends (Next gives Quit) when the program is
// interrupted, the page asks to quit, or no page has listened for a while
// after one did (the page was closed).
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>

#include "front_end/session/VOKFrontEndScreen.h"
#include "web_front_end/WebFrontEndExport.h"

namespace vok::web {

// How long the session waits for a page to come back (a reload) before
// it takes the page as closed.
inline constexpr std::chrono::milliseconds kPageGone{3000};

class VOK_WEB_FRONTEND_API WebScreen final : public VOKFrontEndScreen {
 public:
  // interrupted is asked between events, from the toolkit's thread.
  // size: the screen the session lays the windows out on, in cells; the
  // page's clicks name its cells.
  WebScreen(VOKCellSize size, std::function<bool()> interrupted);

  VOKCellSize Size() const override { return _size; }
  void Show(const VOKScreenView& view) override;
  VOKInputEvent Next() override;

  // A page opens its event stream: the number it sends its events with.
  long OpenStream();
  void CloseStream();
  enum class Posted { Accepted, TakenOver, Ended };
  // The event goes to the session only from the stream that has it.
  Posted Post(long stream, const VOKInputEvent& event);

  struct Update {
    enum class Kind { View, Patch, Idle, TakenOver, Ended } kind = Kind::Idle;
    // The JSON description for View; for Patch, what changed since the
    // view before as a JSON Patch (RFC 6902).
    std::string view;
    long version = 0;
  };
  // The view after the one numbered seen, or what ended the stream; Idle
  // when nothing happened within wait. A page that has the view just
  // before the latest one gets only what changed.
  Update WaitForUpdate(long stream, long seen, std::chrono::milliseconds wait);

  // The session is over: streams end, events are refused.
  void End();

 private:
  bool pageGone() const;

  const VOKCellSize _size;
  const std::function<bool()> _interrupted;
  mutable std::mutex _mutex;
  std::condition_variable _changed;
  std::deque<VOKInputEvent> _events;
  nlohmann::json _described;
  std::string _view;
  std::string _patch;  // from the view before
  long _version = 0;
  long _current = 0;  // the stream that has the session, 0 before any
  int _open = 0;
  std::chrono::steady_clock::time_point _lastClosed;
  bool _ended = false;
};

}  // namespace vok::web
