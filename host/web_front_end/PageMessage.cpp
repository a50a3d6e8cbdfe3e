// File: PageMessage.cpp
#include "web_front_end/PageMessage.h"

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "front_end/text/VOKCellText.h"

namespace vok::web {
namespace {

using Json = nlohmann::json;

constexpr std::array<std::pair<std::string_view, VOKKey>, 17> kKeys{{
    {"Tab", VOKKey::Tab},
    {"BackTab", VOKKey::BackTab},
    {"Enter", VOKKey::Enter},
    {"Escape", VOKKey::Escape},
    {"Up", VOKKey::Up},
    {"Down", VOKKey::Down},
    {"Left", VOKKey::Left},
    {"Right", VOKKey::Right},
    {"Home", VOKKey::Home},
    {"End", VOKKey::End},
    {"PageUp", VOKKey::PageUp},
    {"PageDown", VOKKey::PageDown},
    {"ShiftPageUp", VOKKey::ShiftPageUp},
    {"ShiftPageDown", VOKKey::ShiftPageDown},
    {"Backspace", VOKKey::Backspace},
    {"Delete", VOKKey::Delete},
    {"EraseToStart", VOKKey::EraseToStart},
}};

DecodedMessage refused(std::string why) { return {std::nullopt, std::move(why)}; }

std::optional<int> cell(const Json& object, const char* name) {
  const auto found = object.find(name);
  if (found == object.end() || !found->is_number_integer()) return std::nullopt;
  const auto value = found->get<long long>();
  if (value < 0 || value >= kMaxCell) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<VOKInputEvent> key(const Json& object) {
  const auto found = object.find("key");
  if (found == object.end() || !found->is_string()) return std::nullopt;
  for (const auto& [name, value] : kKeys) {
    if (found->get_ref<const std::string&>() == name) return VOKInputEvent::Pressed(value);
  }
  return std::nullopt;
}

// Control characters are keys, never typed text.
std::optional<VOKInputEvent> character(const Json& object) {
  const auto found = object.find("text");
  if (found == object.end() || !found->is_string()) return std::nullopt;
  const std::u32string text = VOKDecodeUtf8(found->get_ref<const std::string&>());
  if (text.size() != 1 || text[0] < U' ' || (text[0] >= 0x7F && text[0] < 0xA0)) {
    return std::nullopt;
  }
  return VOKInputEvent::Typed(text[0]);
}

std::optional<VOKInputEvent> click(const Json& object, bool twice) {
  const auto x = cell(object, "x");
  const auto y = cell(object, "y");
  if (!x || !y) return std::nullopt;
  return twice ? VOKInputEvent::DoubleClicked(*x, *y) : VOKInputEvent::Clicked(*x, *y);
}

std::optional<VOKInputEvent> event(const std::string& kind, const Json& object) {
  if (kind == "key") return key(object);
  if (kind == "char") return character(object);
  if (kind == "click") return click(object, false);
  if (kind == "double") return click(object, true);
  if (kind == "quit") return VOKInputEvent{};
  return std::nullopt;
}

}  // namespace

DecodedMessage DecodeMessage(std::string_view body) {
  if (body.size() > kMaxMessageBytes) return refused("The message is too long.");
  const Json object = Json::parse(body, nullptr, false);
  if (object.is_discarded() || !object.is_object())
    return refused("The message is not a JSON object.");
  const auto stream = object.find("stream");
  if (stream == object.end() || !stream->is_number_integer() || stream->get<long long>() < 0) {
    return refused("The message names no event stream.");
  }
  const auto kind = object.find("kind");
  if (kind == object.end() || !kind->is_string()) return refused("The message has no kind.");
  const auto decoded = event(kind->get_ref<const std::string&>(), object);
  if (!decoded) return refused("The message's kind or values are not known.");
  return {PageMessage{static_cast<long>(stream->get<long long>()), *decoded}, ""};
}

}  // namespace vok::web
