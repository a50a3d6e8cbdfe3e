// Tests of the locale's date layout that the date services report.
#include "host/ServicesFixture.h"

namespace {

struct LayoutRow {
  const char* name;  // locale, or layout set in the settings
  const char* layout;
  int day, month, year;
};

void ExpectLayout(const LayoutRow& row, const LocalDate& date) {
  EXPECT_EQ(row.layout, date.format) << row.name;
  EXPECT_EQ(row.day, date.dayOrder) << row.name;
  EXPECT_EQ(row.month, date.monthOrder) << row.name;
  EXPECT_EQ(row.year, date.yearOrder) << row.name;
}

using ServicesDateLayoutTest = ServicesFixture;

TEST_F(ServicesDateLayoutTest, EachLocaleWritesItsShortDateWithTheCatalogPlaceholders) {
  const LayoutRow rows[] = {{"de_DE", "dd.mm.yyyy", 1, 2, 3},
                            {"th_TH", "dd/mm/yyyy", 1, 2, 3},
                            {"en_GB", "dd/mm/yyyy", 1, 2, 3},
                            {"en_US", "mm/dd/yyyy", 2, 1, 3}};
  for (const LayoutRow& row : rows) {
    VOKHostSettings::SetLocale(row.name);
    ExpectLayout(row, GetLocalDate());
  }
  VOKHostSettings::SetLocale("fr_FR");
  UsePlaceholders("jj", "mm", "aaaa");
  EXPECT_EQ("jj/mm/aaaa", GetLocalDate().format);
  UsePlaceholders("[ d ]", "~M~", "[yy]");
  EXPECT_EQ("d/M/yy", GetLocalDate().format);
  VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = dd\nMonth.Title = mm\n");
  ExpectLayout({"no year placeholder", "", 0, 0, 0}, GetLocalDate());
}

TEST_F(ServicesDateLayoutTest, TheSettingsLayoutIsReportedVerbatim) {
  const LayoutRow rows[] = {
      {"decorated", "[dd]/[mm]/[yyyy]", 1, 2, 3},
      {"decoration only", "[ ]/[ ]/[ ]", 0, 0, 0},
      {"empty", "", 0, 0, 0},
      {"year first", "yyyy-mm-dd", 3, 2, 1},
      {"no day", "~mm~ yyyy", 0, 1, 2},
      {"short year", "dd.mm.yy", 1, 2, 0},  // "yy" is no placeholder next to "yyyy"
  };
  for (const LayoutRow& row : rows) {
    VOKHostSettings::SetDateLayout(row.layout);
    ExpectLayout(row, GetLocalDate());
  }
}

}  // namespace
