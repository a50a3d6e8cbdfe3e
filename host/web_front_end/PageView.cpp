// File: PageView.cpp
#include "web_front_end/PageView.h"

#include <nlohmann/json.hpp>

#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/paint/PaintWidgets.h"

namespace vok::web {
namespace {

using Json = nlohmann::json;

Json rect(const VOKCellRect& r) {
  return {{"x", r.x}, {"y", r.y}, {"w", r.width}, {"h", r.height}};
}

Json point(int x, int y) { return {{"x", x}, {"y", y}}; }

Json windowButton(const std::optional<VOKCellRect>& place, const std::string& label,
                  const VOKScreenView& view) {
  if (!place) return nullptr;
  return {{"label", label},
          {"rect", rect(*place)},
          {"at", point(place->x, place->y)},
          {"focus", view.focus == place}};
}

// The kind of widget and its own text.
void kindAndText(const VOKDialog& widget, const VOKCellRect& place, Json& out) {
  if (auto* button = dynamic_cast<const VOKDlgPushButton*>(&widget)) {
    out["kind"] = "button";
    out["text"] = button->GetTitle().ToUtf8();
    out["icon"] = !button->GetIconName().str().empty();
  } else if (auto* combo = dynamic_cast<const VOKDlgCombo*>(&widget)) {
    VOKUnicodeString field;
    combo->GetField(field);
    out["kind"] = "combo";
    out["text"] = field.ToUtf8();
  } else if (auto* spinner = dynamic_cast<const VOKDlgSpinner*>(&widget)) {
    const int arrows = VOKFieldTextArea(widget, place).Right() + 1;
    out["kind"] = "spinner";
    out["text"] = spinner->GetCurrentText().ToUtf8();
    out["up"] = point(arrows, place.y);
    out["down"] = point(arrows + 1, place.y);
  } else if (auto* editor = dynamic_cast<const VOKDlgEditor*>(&widget)) {
    out["kind"] = "editor";
    out["text"] = editor->GetText().ToUtf8();
  } else if (dynamic_cast<const VOKDlgSeparator*>(&widget) != nullptr) {
    out["kind"] = "separator";
  } else {
    out["kind"] = dynamic_cast<const VOKDlgFrame*>(&widget) != nullptr ? "frame" : "label";
    out["text"] = widget.GetTitle().ToUtf8();
  }
}

Json describeWidget(const VOKLaidWidget& laid, const VOKScreenView& view) {
  Json out;
  kindAndText(*laid.widget, laid.rect, out);
  out["name"] = laid.widget->GetName().str();
  out["rect"] = rect(laid.rect);
  out["at"] = point(laid.rect.x, laid.rect.y);
  out["greyed"] = vok::paint::IsGreyed(*laid.widget);
  out["editable"] = VOKTakesTypedText(*laid.widget);
  if (out["kind"] == "editor" || out["kind"] == "combo" || out["kind"] == "spinner") {
    out["area"] = rect(VOKFieldTextArea(*laid.widget, laid.rect));
  }
  out["focus"] = view.focus == laid.rect;
  if (view.draft && view.draft->field == laid.widget) {
    out["text"] = view.draft->text;
    out["cursor"] = view.draft->cursor;
    out["selected"] = view.draft->selected;
  }
  return out;
}

Json describeWindow(const VOKWindowLayout& window, const VOKScreenView& view) {
  Json widgets = Json::array();
  for (const VOKLaidWidget& laid : window.Widgets()) widgets.push_back(describeWidget(laid, view));
  Json out = {{"title", window.Window().GetTitle().ToUtf8()},
              {"name", window.Window().GetName().str()},
              {"box", rect(window.Bounds())},
              {"modal", (window.Window().GetStyle() & VOKDlgStyle::Modeless) == 0},
              {"message", window.MessageLines()},
              {"widgets", std::move(widgets)},
              {"ok", windowButton(window.OKButton(), vok::window::OKLabel(), view)},
              {"cancel", windowButton(window.CancelButton(), vok::window::CancelLabel(), view)},
              {"close", nullptr}};
  if (const auto& close = window.CloseControl()) out["close"] = point(close->x + 1, close->y);
  return out;
}

Json describeList(const VOKOpenListView& list) {
  Json lines = Json::array();
  for (int i = 0; i < list.place.count; ++i) {
    const int line = list.place.first + i;
    lines.push_back({{"text", list.combo->GetLine(line).ToUtf8()},
                     {"index", line},
                     {"at", point(list.place.box.x + 1, list.place.box.y + 1 + i)}});
  }
  return {{"box", rect(list.place.box)}, {"highlighted", list.highlighted}, {"lines", lines}};
}

}  // namespace

std::string DescribeView(const VOKScreenView& view, VOKCellSize screen) {
  Json windows = Json::array();
  for (const VOKWindowLayout& window : view.windows)
    windows.push_back(describeWindow(window, view));
  const Json out = {{"size", {{"w", screen.width}, {"h", screen.height}}},
                    {"status", view.status},
                    {"notice", view.notice},
                    {"windows", std::move(windows)},
                    {"list", view.list ? describeList(*view.list) : Json(nullptr)}};
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace vok::web
