// Tests of the Thai setting's reference year and of date texts moved between
// the Gregorian and the Buddhist-era calendar.
#include <ostream>
#include <string>

#include "host/ServicesFixture.h"

namespace {

struct ThaiResult {
  std::string text, shown, year;
  bool operator==(const ThaiResult&) const = default;
};

void PrintTo(const ThaiResult& r, std::ostream* out) {
  *out << r.text << " | " << r.shown << " | " << r.year;
}

class ServicesThaiDateTest : public ServicesFixture {
 protected:
  void SetUp() override {
    ServicesFixture::SetUp();
    VOKHostSettings::SetLocale("th_TH");  // dd/mm/yyyy
  }

  static ThaiResult Call(const std::string& text, const VOKTime& time = VOKTime(0)) {
    VOKUnicodeString textArg(text), shown("(old)"), year("(old)");
    VOKImmDate::GetThaiReferenceDate(textArg, time, shown, year);
    return {textArg.ToUtf8(), shown.ToUtf8(), year.ToUtf8()};
  }
};

TEST_F(ServicesThaiDateTest, TextsAreRewrittenToGregorianAndShownInTheSettingsEra) {
  struct Row {
    const char *layout, *text, *gregorian, *shownBuddhist;  // layout null: as before
  };
  const Row rows[] = {
      {nullptr, "25/12/2567", "25/12/2024", "25/12/2567"},
      {nullptr, "25/12/2024", "25/12/2024", "25/12/2567"},
      {nullptr, "01/01/2443", "01/01/1900", "01/01/2443"},  // the first year taken for Buddhist era
      {nullptr, "31/12/2442", "31/12/2442", "31/12/2985"},
      // Another shape: the first run of exactly four digits is the year.
      {nullptr, "x 12345 2567 2566", "x 12345 2024 2566", "x 12345 2567 2566"},
      // A run of digits too long for any number is no year, and no trouble.
      {nullptr, "123456789012345678901 2567", "123456789012345678901 2024",
       "123456789012345678901 2567"},
      // No four-digit year: left as it is.
      {nullptr, "25/12/67", "25/12/67", "25/12/67"},
      // Thai digits count as digits; the rewritten year is written in ASCII ones.
      {nullptr, "\u0E52\u0E55/\u0E51\u0E52/\u0E52\u0E55\u0E56\u0E57",
       "\u0E52\u0E55/\u0E51\u0E52/2024", "\u0E52\u0E55/\u0E51\u0E52/2567"},
      // A text of the layout's shape has its year where the layout has it.
      {"mmdd/yyyy", "1225/2567", "1225/2024", "1225/2567"},
      {"[yyyy]-[mm]-[dd]", "2567-12-25", "2024-12-25", "2567-12-25"},
  };
  for (const Row& row : rows) {
    if (row.layout) VOKHostSettings::SetDateLayout(row.layout);
    VOKHostSettings::SetThai(true, true);
    EXPECT_EQ((ThaiResult{row.gregorian, row.shownBuddhist, "2569"}), Call(row.text));
    VOKHostSettings::SetThai(true, false);
    EXPECT_EQ((ThaiResult{row.gregorian, row.gregorian, "2026"}), Call(row.text));
  }
}

TEST_F(ServicesThaiDateTest, ShowingAPickedDateLeavesItsTextAndGivesTheDisplayedForm) {
  VOKHostSettings::SetThai(true, true);
  EXPECT_EQ((ThaiResult{"07/04/2021", "07/04/2564", "2569"}),
            Call("07/04/2021", VOKTime(Midnight(2021, 4, 7))));
  VOKHostClock::FixToday(2025, 1, 1);
  EXPECT_EQ((ThaiResult{"", "", "2568"}), Call(""));
  // Outside a Thai setting nothing is shown in the Buddhist era.
  VOKHostSettings::SetThai(false, true);
  EXPECT_EQ((ThaiResult{"25/12/2024", "25/12/2024", "2025"}), Call("25/12/2567"));
}

TEST_F(ServicesThaiDateTest, TwoDigitYearsHugeAndIllFormedTextsAreSurvived) {
  VOKHostSettings::SetThai(true, true);
  EXPECT_EQ("2024" + std::string(50000, '/'), Call("2567" + std::string(50000, '/')).text);
  EXPECT_EQ("\uFFFD/12/2024", Call("\xFF/12/2567").text);
  UsePlaceholders("dd", "mm", "yy");
  VOKHostSettings::SetDateLayout("ddmm/yy");
  // "2512" is not the year, though it would pass for a Buddhist-era one.
  EXPECT_EQ((ThaiResult{"2512/67", "2512/67", "2569"}), Call("2512/67"));
}

}  // namespace
