// File: FrontEndScriptScreen.h
// A screen for driving a front-end session from a test: it plays a list of
// events (then Quit) on a window, records every picture the session shows with
// the focus at that moment, and finds texts on the last picture the way a
// person finds them with their eyes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "front_end/session/VOKFrontEndSession.h"
#include "front_end/text/VOKCellText.h"

// An event, or a click (or the second click of a double click) on a text
// as the screen shows it when the click comes (at its first cell, moved by
// dx columns).
struct Step {
  Step(VOKInputEvent input) : event(input) {}  // NOLINT: steps read as events
  Step(std::string text, int columns, bool second = false)
      : clickOn(std::move(text)), dx(columns), twice(second) {}

  VOKInputEvent event;
  std::string clickOn;
  int dx = 0;
  bool twice = false;
};

inline Step ClickOn(const std::string& text, int dx = 0) { return Step(text, dx); }
inline std::vector<Step> DoubleClickOn(const std::string& text) {
  return {Step(text, 0), Step(text, 0, true)};
}

class ScriptScreen : public VOKFrontEndScreen {
 public:
  explicit ScriptScreen(VOKCellSize size = {60, 24}) : _size(size) {}

  VOKCellSize Size() const override { return _size; }
  void Show(const VOKScreenView& view) override {
    pictures.push_back(view.canvas.ToString());
    focusNames.push_back(session != nullptr ? session->FocusName() : "");
    cursor = view.cursor;
  }
  VOKInputEvent Next() override {
    if (beforeEvent) beforeEvent(_next);
    if (_next >= events.size()) return {};
    const Step& step = events[_next++];
    if (step.clickOn.empty()) return step.event;
    const VOKCellPoint at = Where(step.clickOn);
    return step.twice ? VOKInputEvent::DoubleClicked(at.x + step.dx, at.y)
                      : VOKInputEvent::Clicked(at.x + step.dx, at.y);
  }

  // Runs a session on root that gets steps, then Quit.
  void Play(VOKDlgWindow& root, std::vector<Step> steps) {
    events = std::move(steps);
    _next = 0;
    VOKFrontEndSession played(root, *this);
    played.SetRecorder(recorder);
    session = &played;
    played.Run();
    session = nullptr;
  }

  // The top-left cell of the first place text shows on the last picture.
  VOKCellPoint Where(const std::string& text) const {
    if (pictures.empty()) return {-1, -1};
    const std::string& picture = pictures.back();
    const std::size_t at = picture.find(text);
    EXPECT_NE(std::string::npos, at) << "\"" << text << "\" is not on the screen:\n" << picture;
    if (at == std::string::npos) return {-1, -1};
    const std::size_t lineStart = picture.rfind('\n', at) + 1;  // npos + 1 is 0
    const int line = static_cast<int>(
        std::count(picture.begin(), picture.begin() + static_cast<long>(at), '\n'));
    return {VOKTextColumns(picture.substr(lineStart, at - lineStart)), line};
  }
  bool Shows(const std::string& text) const {
    return !pictures.empty() && pictures.back().find(text) != std::string::npos;
  }

  std::vector<Step> events;
  std::function<void(std::size_t next)> beforeEvent;
  std::function<void(const std::string& line)> recorder;  // given to the session
  const VOKFrontEndSession* session = nullptr;
  std::vector<std::string> pictures;
  std::vector<std::string> focusNames;
  std::optional<VOKCellPoint> cursor;

 private:
  VOKCellSize _size;
  std::size_t _next = 0;
};

inline VOKInputEvent Key(VOKKey key) { return VOKInputEvent::Pressed(key); }

// The steps of the parts, one part after the other.
inline std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
  std::vector<Step> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Each character of a text as a typed character.
inline std::vector<Step> Typed(const std::string& text) {
  std::vector<Step> events;
  for (char32_t character : VOKDecodeUtf8(text))
    events.emplace_back(VOKInputEvent::Typed(character));
  return events;
}
