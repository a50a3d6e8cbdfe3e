// The page's messages: keys by their names, typed characters, clicks, and
// what is refused with which reply; the screen that passes events on, and
// views back, between the server's threads and the session: one page at a
// time, the newest taking over; events in order; views by number; the end.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "web_front_end/PageMessage.h"
#include "web_front_end/WebScreen.h"

namespace {

using vok::web::DecodeMessage;

// An event of a stream as "stream kind key character x y".
std::string Described(long stream, const VOKInputEvent& event) {
  return std::to_string(stream) + " " + std::to_string(static_cast<int>(event.kind)) + " " +
         std::to_string(static_cast<int>(event.key)) + " " +
         std::to_string(static_cast<unsigned>(event.character)) + " " + std::to_string(event.x) +
         " " + std::to_string(event.y);
}

// The decoded message described, or the reply that refuses it.
std::string Decoded(const std::string& body) {
  const vok::web::DecodedMessage decoded = DecodeMessage(body);
  if (!decoded.message) return decoded.error;
  EXPECT_EQ("", decoded.error) << body;
  return Described(decoded.message->stream, decoded.message->event);
}

TEST(WebMessage, KeysByNameOneCharacterOfAnyScriptClicksAndQuit) {
  using E = VOKInputEvent;
  // Blanks make a valid message as long as the bound.
  const std::string quit = R"({"stream": 1, "kind": "quit"})";
  const std::string longest = quit + std::string(vok::web::kMaxMessageBytes - quit.size(), ' ');
  const std::vector<std::pair<std::string, std::string>> rows = {
      {R"({"stream":1,"kind":"key","key":"BackTab"})", Described(1, E::Pressed(VOKKey::BackTab))},
      {R"({"stream":1,"kind":"key","key":"PageDown"})", Described(1, E::Pressed(VOKKey::PageDown))},
      {R"({"stream":1,"kind":"key","key":"EraseToStart"})",
       Described(1, E::Pressed(VOKKey::EraseToStart))},
      {R"({"stream":2,"kind":"char","text":"7"})", Described(2, E::Typed(U'7'))},
      {R"({"stream":2,"kind":"char","text":" "})", Described(2, E::Typed(U' '))},
      {R"({"stream":2,"kind":"char","text":"ü"})", Described(2, E::Typed(U'ü'))},
      {R"({"stream":2,"kind":"char","text":"\u0e59"})", Described(2, E::Typed(U'๙'))},
      {R"({"stream":0,"kind":"click","x":4,"y":23})", Described(0, E::Clicked(4, 23))},
      {R"({"stream":0,"kind":"double","x":0,"y":999})", Described(0, E::DoubleClicked(0, 999))},
      {R"({"kind":"quit","stream":41})", Described(41, E{})},
      {longest, Described(1, E{})},
  };
  for (const auto& [body, event] : rows) EXPECT_EQ(event, Decoded(body)) << body;
}

TEST(WebMessage, RefusedMessagesGetTheReasonAsTheReply) {
  const std::string unknown = "The message's kind or values are not known.";
  const std::string noStream = "The message names no event stream.";
  const std::string notObject = "The message is not a JSON object.";
  const std::string quit = R"({"stream": 1, "kind": "quit"})";
  const std::vector<std::pair<std::string, std::string>> rows = {
      // Key names are case-sensitive words.
      {R"({"stream": 1, "kind": "key", "key": "tab"})", unknown},
      {R"({"stream": 1, "kind": "key", "key": 9})", unknown},
      // One printable character, as a string.
      {R"({"stream": 2, "kind": "char", "text": ""})", unknown},
      {R"({"stream": 2, "kind": "char", "text": "12"})", unknown},
      {R"({"stream": 2, "kind": "char", "text": "\n"})", unknown},
      {R"({"stream": 2, "kind": "char", "text": "\u001b"})", unknown},
      {R"({"stream": 2, "kind": "char", "text": "\u007f"})", unknown},
      {R"({"stream": 2, "kind": "char", "text": "\u0085"})", unknown},
      {R"({"stream": 2, "kind": "char", "text": 7})", unknown},
      // Whole cells of the screen only.
      {R"({"stream": 0, "kind": "click", "x": -1, "y": 0})", unknown},
      {R"({"stream": 0, "kind": "click", "x": 1000, "y": 0})", unknown},
      {R"({"stream": 0, "kind": "click", "x": 1.5, "y": 0})", unknown},
      {R"({"stream": 0, "kind": "click", "x": "4", "y": 0})", unknown},
      {R"({"stream": 0, "kind": "click", "x": 4})", unknown},
      {R"({"stream": 0, "kind": "click", "x": 4, "y": 1e3})", unknown},
      {R"({"kind": "quit"})", noStream},
      {R"({"kind": "quit", "stream": -1})", noStream},
      {R"({"kind": "quit", "stream": "41"})", noStream},
      {R"({"kind": "quit", "stream": 4.1})", noStream},
      {R"({"stream": 1})", "The message has no kind."},
      {R"({"stream": 1, "kind": "x"})", unknown},
      {"", notObject},
      {"null", notObject},
      {"[1]", notObject},
      {"\"key\"", notObject},
      {R"({"stream": 1,)", notObject},
      {"{\"kind\": \"\xff\"}", notObject},
      {std::string("{\0}", 3), notObject},
      {quit + std::string(vok::web::kMaxMessageBytes - quit.size() + 1, ' '),
       "The message is too long."},
  };
  for (const auto& [body, reply] : rows) EXPECT_EQ(reply, Decoded(body)) << body;
}

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
