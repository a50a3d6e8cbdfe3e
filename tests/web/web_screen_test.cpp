// The screen between the server's threads and the session: one page at a
// time, the newest taking over; events in order; views by number; the end.
#include <gtest/gtest.h>

#include <chrono>

#include "web_front_end/WebScreen.h"

namespace {

using vok::web::WebScreen;
using Kind = WebScreen::Update::Kind;
using Posted = WebScreen::Posted;
constexpr std::chrono::milliseconds kNoWait{0};

TEST(WebScreen, TheNewestPageTakesTheSessionOver) {
  WebScreen screen({80, 24}, [] { return false; });
  const long first = screen.OpenStream();
  EXPECT_EQ(Posted::Accepted, screen.Post(first, VOKInputEvent::Pressed(VOKKey::Tab)));
  const long second = screen.OpenStream();
  EXPECT_NE(first, second);
  EXPECT_EQ(Kind::TakenOver, screen.WaitForUpdate(first, 0, kNoWait).kind);
  EXPECT_EQ(Posted::TakenOver, screen.Post(first, VOKInputEvent::Typed(U'x')));
  EXPECT_EQ(Posted::Accepted, screen.Post(second, VOKInputEvent::Typed(U'y')));
  // The session gets what was accepted, in order, and nothing else.
  EXPECT_EQ(VOKKey::Tab, screen.Next().key);
  EXPECT_EQ(U'y', screen.Next().character);
}

TEST(WebScreen, ViewsByNumberThenTheEnd) {
  WebScreen screen({80, 24}, [] { return false; });
  const long stream = screen.OpenStream();
  EXPECT_EQ(Kind::Idle, screen.WaitForUpdate(stream, 0, kNoWait).kind);
  screen.Show(VOKScreenView{});
  const WebScreen::Update update = screen.WaitForUpdate(stream, 0, kNoWait);
  EXPECT_EQ(Kind::View, update.kind);
  EXPECT_EQ(1, update.version);
  EXPECT_NE(std::string::npos, update.view.find("\"windows\":[]"));
  EXPECT_EQ(Kind::Idle, screen.WaitForUpdate(stream, update.version, kNoWait).kind);
  screen.End();
  EXPECT_EQ(Kind::Ended, screen.WaitForUpdate(stream, update.version, kNoWait).kind);
  EXPECT_EQ(Posted::Ended, screen.Post(stream, VOKInputEvent::Typed(U'x')));
  EXPECT_EQ(VOKInputEvent::Kind::Quit, screen.Next().kind);
}

TEST(WebScreen, AnInterruptionEndsTheInput) {
  bool interrupted = false;
  WebScreen screen({80, 24}, [&] { return interrupted; });
  screen.Post(screen.OpenStream(), VOKInputEvent::Typed(U'a'));
  EXPECT_EQ(U'a', screen.Next().character);
  interrupted = true;
  EXPECT_EQ(VOKInputEvent::Kind::Quit, screen.Next().kind);
}

}  // namespace
