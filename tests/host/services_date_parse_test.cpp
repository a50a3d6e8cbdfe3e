// Tests of reading date texts in the host's date layout.
#include <string>
#include <utility>

#include "ServicesFixture.h"

namespace {

class ServicesDateParseTest : public ServicesFixture {
 protected:
  static void ExpectTimes(const char* layout, std::initializer_list<std::pair<const char*, std::int64_t>> rows) {
    VOKHostSettings::SetDateLayout(layout);
    for (const auto& [text, time] : rows) EXPECT_EQ(time, TimeOf(text)) << layout << " \"" << text << "\"";
  }

  static void ExpectNoDate(const char* layout, std::initializer_list<std::string> texts) {
    VOKHostSettings::SetDateLayout(layout);
    for (const std::string& text : texts) EXPECT_EQ(-1, TimeOf(text)) << layout << " \"" << text.substr(0, 40) << "\"";
  }
};

TEST_F(ServicesDateParseTest, RealCalendarDatesAreReadAtMidnight) {
  ExpectTimes("mm/dd/yyyy", {{"12/25/2024", Midnight(2024, 12, 25)}, {"01/01/1970", 0},
                             {"1/5/2024", Midnight(2024, 1, 5)}, {"02/29/2024", Midnight(2024, 2, 29)},
                             {"02/29/2000", Midnight(2000, 2, 29)}, {"12/31/9999", Midnight(9999, 12, 31)},
                             {"01/01/0001", Midnight(1, 1, 1)}});
}

TEST_F(ServicesDateParseTest, ImpossibleDatesGiveNoTime) {
  ExpectNoDate("mm/dd/yyyy", {"02/29/2023", "02/29/1900", "02/30/2024", "04/31/2024", "12/45/2024", "13/01/2024",
                              "00/10/2024", "01/00/2024", "01/01/0000"});
}

TEST_F(ServicesDateParseTest, TextsThatDoNotFitTheLayoutGiveNoTime) {
  ExpectNoDate("mm/dd/yyyy",
               {"", "12-25-2024", "12/25/20245", "123/25/2024", "12/255/2024", "12/25/24", "12/25", "12/25/2024/",
                "ab/cd/efgh", "12/25/20x4", "mm/dd/yyyy", " 12/25/2024", "12/25/2024 ", "12 /25/2024",
                "[12]/[25]/[2024]", "+1/25/2024",
                // only ASCII digits count; nothing else may stand in for a separator
                "\uFF11\uFF12/25/2024", "12/25/\u0E52\u0E55\u0E56\u0E57", "12\u221525\u22152024", "12/25/2024\u00E9",
                "\xFF\xFE/25/2024", std::string(200000, '1'), "12/25/" + std::string(200000, '2'),
                std::string(100000, '/')});
}

TEST_F(ServicesDateParseTest, TheLayoutDecidesOrderSeparatorsAndDecoration) {
  ExpectTimes("dd.mm.yyyy", {{"24.12.2024", Midnight(2024, 12, 24)}, {"4.7.2021", Midnight(2021, 7, 4)},
                             {"24/12/2024", -1}, {"12.24.2024", -1}});
  ExpectTimes("yyyy-mm-dd", {{"2024-12-24", Midnight(2024, 12, 24)}, {"24-12-2024", -1}});
  // Without separators the longest day that leaves a readable rest is taken.
  ExpectTimes("ddmmyyyy", {{"25122024", Midnight(2024, 12, 25)}, {"2512024", Midnight(2024, 1, 25)}});
  ExpectTimes("[dd]/[mm]/[yyyy]", {{"25/12/2024", Midnight(2024, 12, 25)}});
  ExpectTimes("~ dd ~ . ~ mm ~ . ~ yyyy ~", {{"25.12.2024", Midnight(2024, 12, 25)}});
}

TEST_F(ServicesDateParseTest, WithoutASettingTheLocaleLayoutIsRead) {
  VOKHostSettings::SetLocale("de_DE");
  EXPECT_EQ(Midnight(2024, 12, 24), TimeOf("24.12.2024"));
  EXPECT_EQ(-1, TimeOf("12/24/2024"));
}

TEST_F(ServicesDateParseTest, PlaceholderLengthsBoundTheDigits) {
  UsePlaceholders("dd", "mm", "yy");
  ExpectTimes("dd/mm/yy", {{"25/12/24", Midnight(2024, 12, 25)}, {"01/01/70", 0}, {"31/12/69", Midnight(2069, 12, 31)},
                           {"29/02/00", Midnight(2000, 2, 29)}, {"25/12/2024", -1}, {"25/12/4", -1}});
  UsePlaceholders("d", "mm", "yyyy");
  ExpectTimes("mm/d/yyyy", {{"12/5/2024", Midnight(2024, 12, 5)}, {"12/25/2024", -1}});
  UsePlaceholders("jj", "mm", "aaaa");
  ExpectTimes("jj/mm/aaaa", {{"25/12/2024", Midnight(2024, 12, 25)}, {"12/25/2024", -1}});
}

TEST_F(ServicesDateParseTest, LayoutsWithoutEachFieldOnceReadNothing) {
  ExpectNoDate("", {"", "12/25/2024"});
  ExpectNoDate("//", {"//", "12/25/2024"});
  ExpectNoDate("mm/dd", {"12/25"});
  ExpectNoDate("dd/mm/yyyy/dd", {"25/12/2024/25"});
  VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = dd\nMonth.Title = mm\n");
  ExpectNoDate("dd/mm/", {"25/12/", "25/12/2024"});
}

}  // namespace
