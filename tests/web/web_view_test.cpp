// The windows as the page gets them: the example host's form and its
// calendar, driven through a session by clicks at the cells the
// description gives and by keys, as the page sends them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "demo/DemoSearchForm.h"
#include "front_end/session/VOKFrontEndSession.h"
#include "support/HostFixture.h"
#include "web_front_end/PageView.h"

namespace {

using Json = nlohmann::json;
constexpr VOKCellSize kScreen{80, 24};

// Each step makes the next event from the last view; Quit after the last.
using Step = std::function<VOKInputEvent(const Json& view)>;

class PageScreen : public VOKFrontEndScreen {
 public:
  VOKCellSize Size() const override { return kScreen; }
  void Show(const VOKScreenView& view) override {
    views.push_back(Json::parse(vok::web::DescribeView(view, kScreen)));
  }
  VOKInputEvent Next() override {
    if (_next >= steps.size()) return {};
    return steps[_next++](views.back());
  }

  std::vector<Step> steps;
  std::vector<Json> views;

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
const Json& Widget(const Json& window, const std::string& name) {
  return Find(window["widgets"], "name", name);
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

TEST_F(WebViewTest, TheFormItsWidgetsAndTheKeysLine) {
  Run({});
  const Json& view = Last();
  EXPECT_EQ((Json{{"w", 80}, {"h", 24}}), view["size"]);
  EXPECT_EQ("Ctrl-Q: quit  Esc: cancel  Tab: next  Enter: press", view["status"]);
  EXPECT_EQ("", view["notice"]);
  EXPECT_TRUE(view["list"].is_null());
  ASSERT_EQ(1u, view["windows"].size());
  const Json& form = Window(view, "Find documents");
  EXPECT_TRUE(form["modal"]);
  EXPECT_TRUE(form["ok"].is_null());
  EXPECT_TRUE(form["cancel"].is_null());
  const Json& box = form["box"];
  EXPECT_EQ((Json{{"x", box["x"].get<int>() + box["w"].get<int>() - 4}, {"y", box["y"]}}),
            form["close"]);

  const Json& editor = Widget(form, "_calEditor");
  EXPECT_EQ("editor", editor["kind"]);
  EXPECT_TRUE(editor["editable"]);
  EXPECT_TRUE(editor["focus"]);
  EXPECT_EQ("", editor["text"]);
  EXPECT_EQ(0, editor["cursor"]);
  EXPECT_EQ(editor["rect"], editor["area"]);
  const Json& combo = Widget(form, "RecentDates");
  EXPECT_EQ("combo", combo["kind"]);
  EXPECT_FALSE(combo["focus"]);
  EXPECT_EQ(combo["rect"]["w"].get<int>() - 2, combo["area"]["w"]);
  const Json& search = Widget(form, "Search");
  EXPECT_EQ("button", search["kind"]);
  EXPECT_EQ("Search", search["text"]);
  EXPECT_FALSE(search["icon"]);
  EXPECT_TRUE(Widget(form, "_calButton")["icon"]);
  EXPECT_EQ("Press Search to find documents.", Widget(form, "Result")["text"]);
  EXPECT_EQ("label", Widget(form, "Result")["kind"]);
}

TEST_F(WebViewTest, TheCalendarFromItsButtonOnTheChosenDay) {
  Run({Click("Find documents", "_calButton")});
  ASSERT_EQ(2u, Last()["windows"].size());
  const Json& calendar = Last()["windows"][1];
  EXPECT_EQ("Choose a date", calendar["title"]);
  EXPECT_EQ("OK", calendar["ok"]["label"]);
  EXPECT_EQ("Cancel", calendar["cancel"]["label"]);
  EXPECT_FALSE(calendar["ok"]["focus"]);
  const Json& year = Widget(calendar, "YearSpinner");
  EXPECT_EQ("spinner", year["kind"]);
  EXPECT_EQ("2026", year["text"]);
  const int arrows = year["area"]["x"].get<int>() + year["area"]["w"].get<int>() + 1;
  EXPECT_EQ((Json{{"x", arrows}, {"y", year["rect"]["y"]}}), year["up"]);
  EXPECT_EQ((Json{{"x", arrows + 1}, {"y", year["rect"]["y"]}}), year["down"]);
  EXPECT_EQ("December", Widget(calendar, "MonthCombo")["text"]);
  // Today (4 December 2026) is the chosen day: greyed, with the focus.
  int focused = 0;
  for (const Json& widget : calendar["widgets"]) {
    if (!widget["focus"]) continue;
    ++focused;
    EXPECT_EQ("4", widget["text"]);
    EXPECT_TRUE(widget["greyed"]);
  }
  EXPECT_EQ(1, focused);
}

// The list's lines stand where the page can click them.
TEST_F(WebViewTest, TheSpinnersArrowsAndTheMonthListChosenByItsCell) {
  Run({Click("Find documents", "_calButton"),
       [](const Json& view) {
         return ClickAt(Widget(Window(view, "Choose a date"), "YearSpinner")["up"]);
       },
       Click("Choose a date", "MonthCombo"),
       [](const Json& view) {
         EXPECT_EQ("2027", Widget(Window(view, "Choose a date"), "YearSpinner")["text"]);
         const Json& list = view["list"];
         EXPECT_EQ(11, list["highlighted"]);
         const Json& last = list["lines"].back();
         EXPECT_EQ("December", last["text"]);
         EXPECT_EQ(11, last["index"]);
         EXPECT_EQ(list["box"]["x"].get<int>() + 1, last["at"]["x"]);
         return ClickAt(Find(list["lines"], "text", "July")["at"]);
       }});
  EXPECT_TRUE(Last()["list"].is_null());
  EXPECT_EQ("July", Widget(Window(Last(), "Choose a date"), "MonthCombo")["text"]);
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

TEST_F(WebViewTest, ARefusedYearIsAMessageBoxOnTop) {
  std::vector<Step> steps = {Click("Find documents", "_calButton"),
                             Click("Choose a date", "YearSpinner")};
  for (Step& step : Type(U"2099")) steps.push_back(std::move(step));
  steps.push_back(Press(VOKKey::Tab));
  Run(steps);
  const Json& windows = Last()["windows"];
  ASSERT_EQ(3u, windows.size());
  const Json& box = windows[2];
  EXPECT_EQ("Invalid year", box["title"]);
  EXPECT_EQ("OK", box["ok"]["label"]);
  EXPECT_TRUE(box["cancel"].is_null());
  EXPECT_TRUE(box["widgets"].empty());
  ASSERT_FALSE(box["message"].empty());
  EXPECT_EQ("\"2099\" is not a valid year.", box["message"][0]);
}

TEST(WebView, TextsAreEscapedIntoValidJson) {
  VOKDlgDialog window(nullptr, "Quoted", 0);
  window.SetTitle(VOKUnicodeString("say \"hi\"\\\n\x01 ünï"));
  VOKScreenView view;
  view.windows.emplace_back(window);
  view.status = "tab\there";
  const Json parsed = Json::parse(vok::web::DescribeView(view, kScreen));
  EXPECT_EQ("say \"hi\"\\\n\x01 ünï", parsed["windows"][0]["title"]);
  EXPECT_EQ("tab\there", parsed["status"]);
}

}  // namespace
