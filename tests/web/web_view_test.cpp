// The windows as the page gets them: the example host's form and its
// calendar, driven through a session by clicks at the cells the
// description gives and by keys, as the page sends them; what a screen
// reader is to say (names, full dates, today, the chosen day); the
// patches that carry a change.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base_runtime/VOKHostSettings.h"
#include "demo/DemoSearchForm.h"
#include "front_end/session/VOKFrontEndSession.h"
#include "support/HostFixture.h"
#include "web_front_end/PageView.h"
#include "web_front_end/WebScreen.h"

namespace {

using Json = nlohmann::json;
constexpr VOKCellSize kScreen{80, 24};  // the web front end's screen

// Each step makes the next event from the last view; Quit after the last.
using Step = std::function<VOKInputEvent(const Json& view)>;

class PageScreen : public VOKFrontEndScreen {
 public:
  VOKCellSize Size() const override { return kScreen; }
  void Show(const VOKScreenView& view) override {
    views.push_back(Json::parse(vok::web::DescribeView(view)));
    if (onShow) onShow(view);
  }
  VOKInputEvent Next() override {
    if (_next >= steps.size()) return {};
    return steps[_next++](views.back());
  }

  std::vector<Step> steps;
  std::vector<Json> views;
  std::function<void(const VOKScreenView&)> onShow;

 private:
  std::size_t _next = 0;
};

// The item of a list whose field holds value.
const Json& Find(const Json& list, const char* field, const std::string& value) {
  for (const Json& item : list) {
    if (item[field] == value) return item;
  }
  ADD_FAILURE() << "no " << field << " \"" << value << "\" in " << list.dump();
  static const Json none = Json::object();
  return none;
}

const Json& Window(const Json& view, const std::string& title) {
  return Find(view["windows"], "title", title);
}
// A widget of a window, on whatever line it stands.
const Json& Widget(const Json& window, const std::string& name) {
  for (const Json& line : window["lines"]) {
    for (const Json& item : line) {
      if (item["name"] == name) return item;
    }
  }
  return Find(Json::array(), "name", name);
}

const Json& Grid(const Json& window) { return Widget(window, "DayFrame"); }

// The days of a grid that have a flag set, by their numbers.
std::vector<std::string> DaysWith(const Json& grid, const char* flag) {
  std::vector<std::string> days;
  for (const Json& row : grid["rows"]) {
    for (const Json& day : row) {
      if (!day.is_null() && day[flag]) days.push_back(day["text"]);
    }
  }
  return days;
}

const Json& Day(const Json& grid, const std::string& number) {
  for (const Json& row : grid["rows"]) {
    for (const Json& day : row) {
      if (!day.is_null() && day["text"] == number) return day;
    }
  }
  return Find(Json::array(), "text", number);
}

VOKInputEvent ClickAt(const Json& at) { return VOKInputEvent::Clicked(at["x"], at["y"]); }

Step Click(std::string window, std::string widget) {
  return [=](const Json& view) { return ClickAt(Widget(Window(view, window), widget)["at"]); };
}

Step Press(VOKKey key) {
  return [=](const Json&) { return VOKInputEvent::Pressed(key); };
}

std::vector<Step> Type(const std::u32string& text) {
  std::vector<Step> steps;
  for (char32_t character : text)
    steps.emplace_back([=](const Json&) { return VOKInputEvent::Typed(character); });
  return steps;
}

class WebViewTest : public HostFixture {
 protected:
  void Run(std::vector<Step> steps) {
    vok_demo::DemoSearchForm form;
    form.SetVisibility(VOKDlgVisibility::Shown);
    screen.steps = std::move(steps);
    VOKFrontEndSession session(form, screen);
    session.Run();
  }
  const Json& Last() const { return screen.views.back(); }

  PageScreen screen;
};

// The form: each field named by the label before it, the calendar button
// by the toolkit's catalog, the page's own words and language.
TEST_F(WebViewTest, TheFormNamesItsFieldsAndButtons) {
  Run({});
  const Json& view = Last();
  EXPECT_EQ("en", view["lang"]);
  EXPECT_EQ("Close", view["words"]["close"]);
  EXPECT_EQ("Ctrl-Q: quit  Esc: cancel  Tab: next  Enter: press", view["status"]);
  EXPECT_EQ("", view["notice"]);
  EXPECT_TRUE(view["list"].is_null());
  ASSERT_EQ(1u, view["windows"].size());
  const Json& form = Window(view, "Find documents");
  EXPECT_EQ("dialog", form["role"]);
  EXPECT_TRUE(form["ok"].is_null());
  EXPECT_FALSE(form["close"].is_null());
  const Json& first = form["lines"][0];
  ASSERT_EQ(3u, first.size());
  EXPECT_EQ((std::vector<std::string>{"label", "editor", "button"}),
            (std::vector<std::string>{first[0]["kind"], first[1]["kind"], first[2]["kind"]}));
  const Json& editor = Widget(form, "_calEditor");
  EXPECT_EQ("Created after", editor["label"]);
  EXPECT_TRUE(editor["editable"]);
  EXPECT_TRUE(editor["focus"]);
  EXPECT_EQ(0, editor["cursor"]);
  EXPECT_EQ("Modified before", Widget(form, "RecentDates")["label"]);
  const Json& button = Widget(form, "_calButton");
  EXPECT_TRUE(button["icon"]);
  EXPECT_EQ("Choose a date", button["label"]);
  EXPECT_FALSE(button["focus"]);
  EXPECT_EQ("Search", Widget(form, "Search")["text"]);
  EXPECT_EQ("Press Search to find documents.", Widget(form, "Result")["text"]);
}

// The calendar: a grid with full weekday names over its columns, each day
// named by its full date; today (4 December 2026) is the chosen day, the
// only one, with the focus.
TEST_F(WebViewTest, TheCalendarsGridNamesItsDaysAndMarksTodayAndTheChoice) {
  Run({Click("Find documents", "_calButton")});
  ASSERT_EQ(2u, Last()["windows"].size());
  const Json& calendar = Last()["windows"][1];
  EXPECT_EQ("Choose a date", calendar["title"]);
  EXPECT_EQ("dialog", calendar["role"]);
  EXPECT_EQ("OK", calendar["ok"]["label"]);
  EXPECT_EQ("Cancel", calendar["cancel"]["label"]);
  const Json& year = Widget(calendar, "YearSpinner");
  EXPECT_EQ("Year", year["label"]);
  EXPECT_EQ("2026", year["text"]);
  EXPECT_EQ(1970, year["min"]);
  EXPECT_EQ(2038, year["max"]);
  EXPECT_EQ(year["up"]["x"].get<int>() + 1, year["down"]["x"]);
  EXPECT_EQ("Month", Widget(calendar, "MonthCombo")["label"]);
  EXPECT_EQ("December", Widget(calendar, "MonthCombo")["text"]);
  const Json& grid = Grid(calendar);
  EXPECT_EQ("grid", grid["kind"]);
  EXPECT_EQ("December 2026", grid["heading"]);
  ASSERT_EQ(7u, grid["columns"].size());
  EXPECT_EQ((Json{{"text", "Sun"}, {"label", "Sunday"}}), grid["columns"][0]);
  EXPECT_EQ("Saturday", grid["columns"][6]["label"]);
  ASSERT_EQ(5u, grid["rows"].size());
  EXPECT_TRUE(grid["rows"][0][1].is_null());  // 1 December 2026 is a Tuesday
  EXPECT_EQ("Tuesday, December 1, 2026", grid["rows"][0][2]["label"]);
  EXPECT_EQ("Thursday, December 31, 2026", grid["rows"][4][4]["label"]);
  EXPECT_EQ(std::vector<std::string>{"4"}, DaysWith(grid, "chosen"));
  EXPECT_EQ(std::vector<std::string>{"4"}, DaysWith(grid, "today"));
  EXPECT_EQ(std::vector<std::string>{"4"}, DaysWith(grid, "focus"));
  EXPECT_EQ("Friday, December 4, 2026", Day(grid, "4")["label"]);
}

// Arrows press the day they reach: the choice moves with the focus, today
// keeps its mark, and OK writes the day marked last.
TEST_F(WebViewTest, TheChoiceFollowsTheFocusAndOKWritesIt) {
  Run({Click("Find documents", "_calButton"), Press(VOKKey::Right), Press(VOKKey::Down),
       [](const Json& view) {
         const Json& grid = Grid(Window(view, "Choose a date"));
         EXPECT_EQ(std::vector<std::string>{"12"}, DaysWith(grid, "chosen"));
         EXPECT_EQ(std::vector<std::string>{"12"}, DaysWith(grid, "focus"));
         EXPECT_EQ(std::vector<std::string>{"4"}, DaysWith(grid, "today"));
         return ClickAt(Window(view, "Choose a date")["ok"]["at"]);
       }});
  ASSERT_EQ(1u, Last()["windows"].size());
  EXPECT_EQ("12/12/2026", Widget(Window(Last(), "Find documents"), "_calEditor")["text"]);
}

// The open list belongs to its combo; its lines stand where the page can
// click them.
TEST_F(WebViewTest, TheSpinnersArrowsAndTheMonthListChosenByItsCell) {
  Run({Click("Find documents", "_calButton"),
       [](const Json& view) {
         return ClickAt(Widget(Window(view, "Choose a date"), "YearSpinner")["up"]);
       },
       Click("Choose a date", "MonthCombo"),
       [](const Json& view) {
         const Json& calendar = Window(view, "Choose a date");
         EXPECT_EQ("2027", Widget(calendar, "YearSpinner")["text"]);
         EXPECT_EQ("December 2027", Grid(calendar)["heading"]);
         EXPECT_TRUE(Widget(calendar, "MonthCombo")["open"]);
         const Json& list = view["list"];
         EXPECT_EQ("MonthCombo", list["combo"]);
         EXPECT_EQ(11, list["highlighted"]);
         EXPECT_EQ("December", list["lines"].back()["text"]);
         return ClickAt(Find(list["lines"], "text", "July")["at"]);
       }});
  EXPECT_TRUE(Last()["list"].is_null());
  const Json& calendar = Window(Last(), "Choose a date");
  EXPECT_EQ("July", Widget(calendar, "MonthCombo")["text"]);
  EXPECT_FALSE(Widget(calendar, "MonthCombo").contains("open"));
}

// Leaving the field hands the text over; coming back selects it.
TEST_F(WebViewTest, TheTextBeingTypedItsCursorAndSelection) {
  std::vector<Step> steps = Type(U"12/25/2026");
  steps.push_back(Press(VOKKey::Left));
  steps.emplace_back([](const Json& view) {
    const Json& editor = Widget(Window(view, "Find documents"), "_calEditor");
    EXPECT_EQ("12/25/2026", editor["text"]);
    EXPECT_EQ(9, editor["cursor"]);
    EXPECT_FALSE(editor["selected"]);
    return VOKInputEvent::Pressed(VOKKey::Tab);
  });
  steps.push_back(Press(VOKKey::BackTab));
  Run(steps);
  const Json& entered = Widget(Window(Last(), "Find documents"), "_calEditor");
  EXPECT_EQ("12/25/2026", entered["text"]);
  EXPECT_TRUE(entered["selected"]);
}

TEST_F(WebViewTest, ARefusedYearIsAnAlertDialogOnTop) {
  std::vector<Step> steps = {Click("Find documents", "_calButton"),
                             Click("Choose a date", "YearSpinner")};
  for (Step& step : Type(U"2099")) steps.push_back(std::move(step));
  steps.push_back(Press(VOKKey::Tab));
  Run(steps);
  const Json& windows = Last()["windows"];
  ASSERT_EQ(3u, windows.size());
  const Json& box = windows[2];
  EXPECT_EQ("Invalid year", box["title"]);
  EXPECT_EQ("alertdialog", box["role"]);
  EXPECT_EQ("OK", box["ok"]["label"]);
  EXPECT_TRUE(box["cancel"].is_null());
  EXPECT_TRUE(box["lines"].empty());
  ASSERT_FALSE(box["message"].empty());
  EXPECT_EQ("\"2099\" is not a valid year.", box["message"][0]);
}

// German: the page's language and words, the days and weekdays by ICU.
TEST_F(WebViewTest, UnderGermanTheDaysAndWordsAreGerman) {
  VOKHostSettings::SetLocale("de_DE");
  Run({[](const Json& view) { return ClickAt(Widget(view["windows"][0], "_calButton")["at"]); }});
  EXPECT_EQ("de", Last()["lang"]);
  EXPECT_EQ("Schließen", Last()["words"]["close"]);
  const Json& calendar = Last()["windows"][1];
  EXPECT_EQ("Monat", Widget(calendar, "MonthCombo")["label"]);
  const Json& grid = Grid(calendar);
  EXPECT_EQ("Dezember 2026", grid["heading"]);
  EXPECT_EQ("Freitag, 4. Dezember 2026", Day(grid, "4")["label"]);
  EXPECT_EQ("Sonntag", grid["columns"][0]["label"]);
}

// Thai: the spinner shows Buddhist-era years; the days are still dated
// right, and today still found.
TEST_F(WebViewTest, UnderThaiBuddhistEraYearsDateTheDaysRight) {
  VOKHostSettings::SetLocale("th_TH");
  VOKHostSettings::SetThai(true, true);
  Run({[](const Json& view) { return ClickAt(Widget(view["windows"][0], "_calButton")["at"]); }});
  EXPECT_EQ("th", Last()["lang"]);
  const Json& calendar = Last()["windows"][1];
  EXPECT_EQ("2569", Widget(calendar, "YearSpinner")["text"]);
  const Json& grid = Grid(calendar);
  EXPECT_EQ(std::vector<std::string>{"4"}, DaysWith(grid, "today"));
  EXPECT_NE(std::string::npos, Day(grid, "4")["label"].get<std::string>().find("2569"))
      << Day(grid, "4")["label"];
}

// A page that has the view before the latest gets a patch that makes the
// latest of it; any other page gets the whole view.
TEST_F(WebViewTest, AChangeTravelsAsAPatchOfTheViewBefore) {
  vok::web::WebScreen web({80, 24}, [] { return false; });
  const long stream = web.OpenStream();
  screen.onShow = [&web](const VOKScreenView& view) { web.Show(view); };
  Run({Click("Find documents", "_calButton"), Press(VOKKey::Right)});
  const auto seen = static_cast<long>(screen.views.size());
  const auto whole = web.WaitForUpdate(stream, 0, std::chrono::milliseconds(0));
  EXPECT_EQ(vok::web::WebScreen::Update::Kind::View, whole.kind);
  EXPECT_EQ(Last(), Json::parse(whole.view));
  const auto change = web.WaitForUpdate(stream, seen - 1, std::chrono::milliseconds(0));
  ASSERT_EQ(vok::web::WebScreen::Update::Kind::Patch, change.kind);
  const Json before = screen.views[screen.views.size() - 2];
  EXPECT_EQ(Last(), before.patch(Json::parse(change.view)));
  EXPECT_LT(change.view.size(), 1024u) << change.view;
  web.End();
}

TEST(WebView, TextsAreEscapedIntoValidJson) {
  VOKDlgDialog window(nullptr, "Quoted", 0);
  window.SetTitle(VOKUnicodeString("say \"hi\"\\\n\x01 ünï"));
  VOKScreenView view;
  view.windows.emplace_back(window);
  view.status = "tab\there";
  const Json parsed = Json::parse(vok::web::DescribeView(view));
  EXPECT_EQ("say \"hi\"\\\n\x01 ünï", parsed["windows"][0]["title"]);
  EXPECT_EQ("tab\there", parsed["status"]);
}

}  // namespace
