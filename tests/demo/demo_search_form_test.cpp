// Tests of the example host's "Find documents" form, driven as a user
// would: typing into the fields, choosing recent dates, opening a
// calendar, picking a day, pressing OK and Search.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base_runtime/VOKHostSettings.h"
#include "datepicker/calendar_test_support.h"
#include "demo/DemoSearchForm.h"
#include "demo/WindowStack.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgUser.h"

namespace {

using calendar_test::Find;

class DemoSearchFormTest : public HostFixture {
 protected:
  // The form is built after a test has chosen its language.
  vok_demo::DemoSearchForm& Form() {
    if (!_form) {
      _form = std::make_unique<vok_demo::DemoSearchForm>();
      _form->SetVisibility(VOKDlgVisibility::Shown);
    }
    return *_form;
  }
  VOKDlgEditor* CreatedAfter() { return Find<VOKDlgEditor>(Form(), "_calEditor"); }
  std::string CreatedAfterText() { return CreatedAfter()->GetText().ToUtf8(); }
  VOKDlgCombo* RecentDates() { return Find<VOKDlgCombo>(Form(), "RecentDates"); }
  std::string Label(const char* name) {
    return Find<VOKDlgLabel>(Form(), name)->GetTitle().ToUtf8();
  }
  bool Press(const char* name) { return VOKDlgUser::Press(Find<VOKDlgPushButton>(Form(), name)); }
  // Types into both fields and presses Search.
  void Search(const char* createdAfter, const char* modifiedBefore) {
    ASSERT_TRUE(VOKDlgUser::Type(CreatedAfter(), createdAfter));
    ASSERT_TRUE(VOKDlgUser::Type(RecentDates(), modifiedBefore));
    ASSERT_TRUE(Press("Search"));
  }

  void UseLanguage(const char* locale, bool thai) {
    VOKHostSettings::SetLocale(locale);
    VOKHostSettings::SetThai(thai, thai);
  }

  void TearDown() override {
    _form.reset();
    HostFixture::TearDown();
  }

 private:
  std::unique_ptr<vok_demo::DemoSearchForm> _form;
};

// Its texts and layout are in the golden pictures.
TEST_F(DemoSearchFormTest, OffersRecentDatesAndHidesWhenClosed) {
  // 1, 7, 30 and 90 days before 4 December 2026.
  ASSERT_EQ(4, RecentDates()->GetLineCount());
  EXPECT_EQ("12/03/2026", RecentDates()->GetLine(0).ToUtf8());
  EXPECT_EQ("11/27/2026", RecentDates()->GetLine(1).ToUtf8());
  EXPECT_EQ("11/04/2026", RecentDates()->GetLine(2).ToUtf8());
  EXPECT_EQ("09/05/2026", RecentDates()->GetLine(3).ToUtf8());
  EXPECT_EQ("", CreatedAfterText());

  ASSERT_TRUE(VOKDlgUser::Close(&Form()));
  EXPECT_EQ(VOKDlgVisibility::Hidden, Form().GetVisibility());
  EXPECT_EQ(nullptr, VOKDlgUser::TopWindow(Form()));
}

TEST_F(DemoSearchFormTest, SearchShowsBothDatesAsTimeValuesAndAnEmptyFieldAsNoLimit) {
  ASSERT_TRUE(Press("Search"));
  EXPECT_EQ("Created after any, modified before any", Label("Result"));
  Search("", "03/04/2021");
  EXPECT_EQ("Created after any, modified before 1614816000", Label("Result"));
  EXPECT_TRUE(boxes.empty());
}

// The result line drops the earlier search's result and names the field;
// the focus is asked back for that field.
TEST_F(DemoSearchFormTest, TextThatIsNoDateShowsOneErrorBoxAndNamesItsField) {
  const struct {
    const char* createdAfter;
    const char* modifiedBefore;
    const char* shown;
    const char* field;
  } rows[] = {
      {"7/4/2021", "", "7/4/2021", "Created after"},
      {"02/30/2026", "", "02/30/2026", "Created after"},
      {"", "tomorrow", "tomorrow", "Modified before"},
      {"13/01/2026", "soon", "13/01/2026", "Created after"},  // the first bad field stops
  };
  for (const auto& row : rows) {
    Search("", "");
    ASSERT_EQ("Created after any, modified before any", Label("Result"));
    boxes.clear();
    Search(row.createdAfter, row.modifiedBefore);
    ASSERT_EQ(1u, boxes.size()) << row.shown;
    EXPECT_EQ("Error", boxes[0].name);
    EXPECT_EQ("Invalid date", boxes[0].title);
    EXPECT_EQ("\"" + std::string(row.shown) + "\" is not a date. Type a date such as 12/04/2026.",
              boxes[0].message);
    EXPECT_EQ(&Form(), boxes[0].parent);
    EXPECT_EQ("Nothing searched: \"" + std::string(row.field) + "\" is not a date.",
              Label("Result"));
    const VOKDialog* field =
        *row.createdAfter != '\0' ? static_cast<VOKDialog*>(CreatedAfter()) : RecentDates();
    EXPECT_EQ(field, Form().TakeFocusRequest());
  }
}

TEST_F(DemoSearchFormTest, GermanRecentDatesAndErrorBox) {
  UseLanguage("de_DE", false);
  EXPECT_EQ("03.12.2026", RecentDates()->GetLine(0).ToUtf8());
  Search("", "31.11.2026");
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("Ungültiges Datum", boxes[0].title);
  EXPECT_EQ("„31.11.2026“ ist kein Datum. Geben Sie ein Datum wie 04.12.2026 ein.",
            boxes[0].message);
}

TEST_F(DemoSearchFormTest, ThaiShowsTypesAndWritesBuddhistEraYears) {
  UseLanguage("th_TH", true);
  EXPECT_EQ("03/12/2569", RecentDates()->GetLine(0).ToUtf8());
  ASSERT_TRUE(Press("_calButton"));
  auto* calendar = dynamic_cast<VOKQELNavCalendarUI*>(VOKDlgUser::TopWindow(Form()));
  ASSERT_NE(nullptr, calendar);
  ASSERT_TRUE(calendar_test::PressDay(*calendar, 12));
  ASSERT_TRUE(VOKDlgUser::PressOK(calendar));
  EXPECT_EQ("12/12/2569", CreatedAfterText());

  // 29 February 2567 is 29 February 2024, a leap day; 2566 has none.
  ASSERT_TRUE(VOKDlgUser::Type(RecentDates(), "29/02/2567"));
  ASSERT_TRUE(Press("Search"));
  EXPECT_EQ("สร้างหลัง 1797033600 แก้ไขก่อน 1709164800", Label("Result"));
  ASSERT_TRUE(VOKDlgUser::Type(RecentDates(), "29/02/2566"));
  ASSERT_TRUE(Press("Search"));
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("\"29/02/2566\" ไม่ใช่วันที่ โปรดพิมพ์วันที่ เช่น 04/12/2569", boxes[0].message);
}

}  // namespace
