// File: PageView.cpp
#include "web_front_end/PageView.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>

#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "front_end/kinds/VOKWidgetDescription.h"
#include "front_end/layout/VOKCalendarDays.h"
#include "front_end/layout/VOKToolkitText.h"
#include "web_front_end/DayNames.h"

namespace vok::web {
namespace {

using Json = nlohmann::json;

Json point(int x, int y) { return {{"x", x}, {"y", y}}; }

// The page's own words, from the toolkit's catalog.
Json words() {
  return {{"close", window::Text("Page.Close", "Close")},
          {"month", window::Text("Page.Month", "Month")},
          {"year", window::Text("Page.Year", "Year")},
          {"taken", window::Text("Page.Taken",
                                 "This form is now open in another tab; this tab "
                                 "no longer works with it.")},
          {"ended", window::Text("Page.Ended", "The program has ended. You can close this tab.")},
          {"lost", window::Text("Page.Lost", "The connection to the program was lost.")}};
}

Json point(const VOKCellPoint& at) { return point(at.x, at.y); }

// The kind of widget and what it says.
void kindAndText(const VOKDialog& widget, const VOKCellRect& place, Json& out) {
  const VOKWidgetDescription description = VOKDescribeWidget(widget, place);
  out["kind"] = description.kind;
  out["text"] = description.text;
  out["greyed"] = description.greyed;
  out["editable"] = description.editable;
  if (description.icon) out["icon"] = *description.icon;
  if (description.label) out["label"] = *description.label;
  if (description.minimum) out["min"] = *description.minimum;
  if (description.maximum) out["max"] = *description.maximum;
  if (description.up) out["up"] = point(*description.up);
  if (description.down) out["down"] = point(*description.down);
}

Json describeWidget(const VOKLaidWidget& laid, const VOKScreenView& view) {
  Json out;
  kindAndText(*laid.widget, laid.rect, out);
  out["name"] = laid.widget->GetName().str();
  out["at"] = point(laid.rect.x, laid.rect.y);
  out["focus"] = view.focus == laid.rect;
  if (view.draft && view.draft->field == laid.widget) {
    out["text"] = view.draft->text;
    out["cursor"] = view.draft->cursor;
    out["selected"] = view.draft->selected;
  }
  if (view.list && view.list->combo == laid.widget) out["open"] = true;
  return out;
}

// A calendar's day grid: its headings and its days by their grid places,
// each day named by its full date.
class DayGrid {
 public:
  explicit DayGrid(const VOKDialog* frame) : _frame(frame) {}
  const VOKDialog* Frame() const { return _frame; }

  void Heading(const VOKDialog& label) {
    if (const auto* place = label.GetGridConstraints())
      _headings[place->column] = label.GetTitle().ToUtf8();
  }
  void Day(const VOKLaidWidget& laid, const vok::calendar::Date& date, const VOKScreenView& view,
           const vok::HostLocale& locale) {
    const auto* place = laid.widget->GetGridConstraints();
    if (place == nullptr) return;
    Json day = describeWidget(laid, view);
    day["kind"] = "day";
    day["label"] = FullDate(date, locale.localeName);
    day["chosen"] = laid.widget->GetSensitivity() == VOKDlgSensitivity::Greyed;
    day["today"] = vok::calendar::IsToday(*laid.widget);
    _weekdays[place->column] = vok::calendar::Weekday(date);
    if (_shown.year == 0) _shown = date;
    _days[place->row][place->column] = std::move(day);
  }

  Json Describe(const vok::HostLocale& locale) const {
    const std::array<std::string, 7>& names = locale.names.weekdays;
    Json columns = Json::array();
    for (const auto& [column, text] : _headings) {
      const auto weekday = _weekdays.find(column);
      columns.push_back({{"text", text},
                         {"label", weekday == _weekdays.end()
                                       ? text
                                       : names[static_cast<std::size_t>(weekday->second - 1)]}});
    }
    Json rows = Json::array();
    for (const auto& [row, cells] : _days) {
      Json line = Json::array();
      for (const auto& [column, text] : _headings) {
        const auto day = cells.find(column);
        line.push_back(day == cells.end() ? Json(nullptr) : day->second);
      }
      rows.push_back(std::move(line));
    }
    return {{"kind", "grid"},
            {"name", _frame->GetName().str()},
            {"heading", MonthAndYear(_shown, locale.localeName)},
            {"columns", std::move(columns)},
            {"rows", std::move(rows)}};
  }

 private:
  const VOKDialog* _frame;
  std::map<int, std::string> _headings;
  std::map<int, int> _weekdays;
  std::map<int, std::map<int, Json>> _days;
  vok::calendar::Date _shown;  // a day of the month shown
};

// A field's name: the label just before it on its line, else what it is
// in a calendar (the month or the year), else its short help.
void nameFields(Json& line, bool calendar, const Json& pageWords) {
  std::string label;
  for (Json& item : line) {
    if (item["kind"] == "label") label = item["text"];
    if (item["kind"] != "editor" && item["kind"] != "combo" && item["kind"] != "spinner") continue;
    if (calendar && item["kind"] != "editor")
      item["label"] = pageWords[item["kind"] == "combo" ? "month" : "year"];
    else
      item["label"] = label.empty() ? item["name"] : Json(label);
    label.clear();
  }
}

// The window's widgets, line by line as the layout placed them; a day
// grid is one item on the line of its first row.
Json describeLines(const VOKWindowLayout& window, const VOKScreenView& view,
                   const vok::HostLocale& locale, const Json& pageWords) {
  std::map<int, Json> lines;
  std::optional<DayGrid> grid;
  int gridLine = 0;
  for (const VOKLaidWidget& laid : window.Widgets()) {
    if (!grid && vok::calendar::DayOf(*laid.widget)) {
      grid.emplace(laid.widget->GetParent());
      gridLine = laid.rect.y;
    }
  }
  for (const VOKLaidWidget& laid : window.Widgets()) {
    if (grid && laid.widget->GetParent() == grid->Frame()) {
      if (const auto date = vok::calendar::DayOf(*laid.widget))
        grid->Day(laid, *date, view, locale);
      else
        grid->Heading(*laid.widget);
      gridLine = std::min(gridLine, laid.rect.y);
      continue;
    }
    Json item = describeWidget(laid, view);
    if (item["kind"] == "frame" && item["text"] == "") continue;
    lines[laid.rect.y].push_back(std::move(item));
  }
  Json out = Json::array();
  for (auto& [y, line] : lines) {
    std::stable_sort(line.begin(), line.end(),
                     [](const Json& a, const Json& b) { return a["at"]["x"] < b["at"]["x"]; });
    nameFields(line, grid.has_value(), pageWords);
    if (grid && y > gridLine) {
      out.push_back(Json::array({grid->Describe(locale)}));
      grid.reset();
    }
    out.push_back(std::move(line));
  }
  if (grid) out.push_back(Json::array({grid->Describe(locale)}));
  return out;
}

Json windowButton(const std::optional<VOKCellRect>& place, const std::string& label,
                  const VOKScreenView& view) {
  if (!place) return nullptr;
  return {{"label", label}, {"at", point(place->x, place->y)}, {"focus", view.focus == place}};
}

Json describeWindow(const VOKWindowLayout& window, const VOKScreenView& view,
                    const vok::HostLocale& locale, const Json& pageWords) {
  const bool box = VOKIsMessageBox(window.Window());
  Json out = {{"title", window.Window().GetTitle().ToUtf8()},
              {"name", window.Window().GetName().str()},
              {"role", box ? "alertdialog" : "dialog"},
              {"modal", (window.Window().GetStyle() & VOKDlgStyle::Modeless) == 0},
              {"message", window.MessageLines()},
              {"lines", describeLines(window, view, locale, pageWords)},
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
  return {
      {"combo", list.combo->GetName().str()}, {"highlighted", list.highlighted}, {"lines", lines}};
}

}  // namespace

Json DescribeViewJson(const VOKScreenView& view) {
  const std::shared_ptr<const vok::HostLocale> snapshot = VOKHostSettings::Snapshot();
  const vok::HostLocale& locale = *snapshot;
  const Json pageWords = words();
  Json windows = Json::array();
  for (const VOKWindowLayout& window : view.windows)
    windows.push_back(describeWindow(window, view, locale, pageWords));
  return {{"lang", locale.language},
          {"words", pageWords},
          {"status", view.status},
          {"notice", view.notice},
          {"windows", std::move(windows)},
          {"list", view.list ? describeList(*view.list) : Json(nullptr)}};
}

std::string DescribeView(const VOKScreenView& view) {
  return DescribeViewJson(view).dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace vok::web
