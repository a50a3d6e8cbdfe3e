// The page's messages: every key the terminal knows, typed characters,
// clicks, and what is refused with which reply.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "web_front_end/PageMessage.h"

namespace {

using vok::web::DecodeMessage;
using Kind = VOKInputEvent::Kind;

VOKInputEvent Decoded(const std::string& body) {
  const vok::web::DecodedMessage decoded = DecodeMessage(body);
  EXPECT_TRUE(decoded.message.has_value()) << body << ": " << decoded.error;
  EXPECT_EQ("", decoded.error);
  return decoded.message ? decoded.message->event : VOKInputEvent{};
}

std::string Refusal(const std::string& body) {
  const vok::web::DecodedMessage decoded = DecodeMessage(body);
  EXPECT_FALSE(decoded.message.has_value()) << body;
  return decoded.error;
}

TEST(WebMessage, KeysByTheirNamesOnly) {
  // A few of the names the page sends; the names are case-sensitive words.
  const std::vector<std::pair<std::string, VOKKey>> keys = {{"BackTab", VOKKey::BackTab},
                                                            {"PageDown", VOKKey::PageDown},
                                                            {"EraseToStart", VOKKey::EraseToStart}};
  for (const auto& [name, key] : keys) {
    const VOKInputEvent event = Decoded(R"({"stream": 1, "kind": "key", "key": ")" + name + "\"}");
    EXPECT_EQ(Kind::Key, event.kind) << name;
    EXPECT_EQ(key, event.key) << name;
  }
  EXPECT_EQ("The message's kind or values are not known.",
            Refusal(R"({"stream": 1, "kind": "key", "key": "tab"})"));
  EXPECT_EQ("The message's kind or values are not known.",
            Refusal(R"({"stream": 1, "kind": "key", "key": 9})"));
}

TEST(WebMessage, OneTypedCharacterAnyScriptNoControls) {
  EXPECT_EQ(U'7', Decoded(R"({"stream": 2, "kind": "char", "text": "7"})").character);
  EXPECT_EQ(U' ', Decoded(R"({"stream": 2, "kind": "char", "text": " "})").character);
  EXPECT_EQ(U'ü', Decoded(R"({"stream": 2, "kind": "char", "text": "ü"})").character);
  EXPECT_EQ(U'๙', Decoded(R"({"stream": 2, "kind": "char", "text": "\u0e59"})").character);
  for (const char* text :
       {R"("")", R"("12")", R"("\n")", R"("\u001b")", R"("\u007f")", R"("\u0085")", "7"}) {
    EXPECT_EQ("The message's kind or values are not known.",
              Refusal(std::string(R"({"stream": 2, "kind": "char", "text": )") + text + "}"))
        << text;
  }
}

TEST(WebMessage, ClicksOnCellsOfTheScreen) {
  const VOKInputEvent click = Decoded(R"({"stream": 0, "kind": "click", "x": 4, "y": 23})");
  EXPECT_EQ(Kind::Click, click.kind);
  EXPECT_EQ(4, click.x);
  EXPECT_EQ(23, click.y);
  EXPECT_EQ(Kind::DoubleClick,
            Decoded(R"({"stream": 0, "kind": "double", "x": 0, "y": 999})").kind);
  for (const char* cell : {R"("x": -1, "y": 0)", R"("x": 1000, "y": 0)", R"("x": 1.5, "y": 0)",
                           R"("x": "4", "y": 0)", R"("x": 4)", R"("x": 4, "y": 1e3)"}) {
    EXPECT_EQ("The message's kind or values are not known.",
              Refusal(std::string(R"({"stream": 0, "kind": "click", )") + cell + "}"))
        << cell;
  }
}

TEST(WebMessage, QuitAndTheStreamNumber) {
  const vok::web::DecodedMessage decoded = DecodeMessage(R"({"kind": "quit", "stream": 41})");
  ASSERT_TRUE(decoded.message.has_value());
  EXPECT_EQ(41, decoded.message->stream);
  EXPECT_EQ(Kind::Quit, decoded.message->event.kind);
  for (const char* body :
       {R"({"kind": "quit"})", R"({"kind": "quit", "stream": -1})",
        R"({"kind": "quit", "stream": "41"})", R"({"kind": "quit", "stream": 4.1})"}) {
    EXPECT_EQ("The message names no event stream.", Refusal(body)) << body;
  }
  EXPECT_EQ("The message has no kind.", Refusal(R"({"stream": 1})"));
  EXPECT_EQ("The message's kind or values are not known.",
            Refusal(R"({"stream": 1, "kind": "x"})"));
}

TEST(WebMessage, WhatIsNotAnObjectOrTooLong) {
  const std::vector<std::string> bodies = {"",
                                           "null",
                                           "[1]",
                                           "\"key\"",
                                           R"({"stream": 1,)",
                                           "{\"kind\": \"\xff\"}",
                                           std::string("{\0}", 3)};
  for (const std::string& body : bodies) {
    EXPECT_EQ("The message is not a JSON object.", Refusal(body));
  }
  // Blanks make a valid message as long as the bound; one more is refused.
  const std::string message = R"({"stream": 1, "kind": "quit"})";
  const std::string longest =
      message + std::string(vok::web::kMaxMessageBytes - message.size(), ' ');
  EXPECT_EQ(Kind::Quit, Decoded(longest).kind);
  EXPECT_EQ("The message is too long.", Refusal(longest + " "));
}

}  // namespace
