// Tests of reading date texts in the host's date layout.
#include <string>
#include <utility>

#include "host/ServicesFixture.h"

namespace {

class ServicesDateParseTest : public ServicesFixture {
 protected:
  static void ExpectTimes(const char* layout,
                          std::initializer_list<std::pair<std::string, std::int64_t>> rows) {
    VOKHostSettings::SetDateLayout(layout);
    for (const auto& [text, time] : rows)
      EXPECT_EQ(time, TimeOf(text)) << layout << " \"" << text.substr(0, 40) << "\"";
  }
};

TEST_F(ServicesDateParseTest, RealCalendarDatesAreReadAtMidnight) {
  ExpectTimes("mm/dd/yyyy", {{"01/01/1970", 0},
                             {"1/5/2024", Midnight(2024, 1, 5)},
                             {"02/29/2000", Midnight(2000, 2, 29)},
                             {"12/31/9999", Midnight(9999, 12, 31)},
                             {"01/01/0001", Midnight(1, 1, 1)},
                             // impossible dates
                             {"02/29/1900", -1},
                             {"04/31/2024", -1},
                             {"13/01/2024", -1},
                             {"00/10/2024", -1},
                             {"01/00/2024", -1},
                             {"01/01/0000", -1}});
}

TEST_F(ServicesDateParseTest, TextsThatDoNotFitTheLayoutGiveNoTime) {
  ExpectTimes(
      "mm/dd/yyyy",
      {{"", -1},
       {"12-25-2024", -1},
       {"12/25/20245", -1},
       {"123/25/2024", -1},
       {"12/25/24", -1},
       {"12/25", -1},
       {"12/25/2024/", -1},
       {"12/25/20x4", -1},
       {" 12/25/2024", -1},
       {"12/25/2024 ", -1},
       {"+1/25/2024", -1},
       // outside a Thai setting only ASCII digits count; nothing else may stand in for a separator
       {"\u0E51\u0E52/25/2024", -1},
       {"\uFF11\uFF12/25/2024", -1},
       {"12\u221525\u22152024", -1},
       {"\xFF\xFE/25/2024", -1},
       {std::string(200000, '1'), -1},
       {std::string(100000, '/'), -1}});
}

TEST_F(ServicesDateParseTest, ThaiDigitsReadAsAsciiOnesInTheThaiSetting) {
  VOKHostSettings::SetThai(true, true);
  ExpectTimes("dd/mm/yyyy",
              {{"\u0E52\u0E55/\u0E51\u0E52/\u0E52\u0E50\u0E52\u0E54", Midnight(2024, 12, 25)},
               {"\u0E52\u0E55/12/2\u0E50\u0E52\u0E54", Midnight(2024, 12, 25)},
               {"\u0E55/\u0E51/\u0E52\u0E50\u0E52\u0E54", Midnight(2024, 1, 5)},
               {"\u0E53\u0E50/\u0E50\u0E52/\u0E52\u0E50\u0E52\u0E54", -1},
               {"\uFF12\uFF15/12/2024", -1}});
}

TEST_F(ServicesDateParseTest, TheLayoutDecidesOrderSeparatorsAndDecoration) {
  ExpectTimes("dd.mm.yyyy",
              {{"4.7.2021", Midnight(2021, 7, 4)}, {"24/12/2024", -1}, {"12.24.2024", -1}});
  ExpectTimes("yyyy-mm-dd", {{"2024-12-24", Midnight(2024, 12, 24)}, {"24-12-2024", -1}});
  // Without separators the longest day that leaves a readable rest is taken.
  ExpectTimes("ddmmyyyy",
              {{"25122024", Midnight(2024, 12, 25)}, {"2512024", Midnight(2024, 1, 25)}});
  ExpectTimes("~ dd ~ . ~ mm ~ . ~ yyyy ~", {{"25.12.2024", Midnight(2024, 12, 25)}});
  VOKHostSettings::Reload();
  VOKHostSettings::SetLocale("de_DE");  // without a settings layout, the locale's
  EXPECT_EQ(Midnight(2024, 12, 24), TimeOf("24.12.2024"));
  EXPECT_EQ(-1, TimeOf("12/24/2024"));
}

TEST_F(ServicesDateParseTest, PlaceholderLengthsBoundTheDigits) {
  UsePlaceholders("dd", "mm", "yy");
  ExpectTimes(
      "dd/mm/yy",
      {{"01/01/70", 0}, {"31/12/69", Midnight(2069, 12, 31)}, {"25/12/2024", -1}, {"25/12/4", -1}});
  UsePlaceholders("d", "mm", "yyyy");
  ExpectTimes("mm/d/yyyy", {{"12/5/2024", Midnight(2024, 12, 5)}, {"12/25/2024", -1}});
}

TEST_F(ServicesDateParseTest, LayoutsWithoutEachFieldOnceReadNothing) {
  ExpectTimes("", {{"", -1}, {"12/25/2024", -1}});
  ExpectTimes("mm/dd", {{"12/25", -1}});
  ExpectTimes("dd/mm/yyyy/dd", {{"25/12/2024/25", -1}});
  VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = dd\nMonth.Title = mm\n");
  ExpectTimes("dd/mm/", {{"25/12/", -1}, {"25/12/2024", -1}});
}

}  // namespace
