// The date text value: made from an explicit locale (English, German,
// Thai), it keeps that locale's shape, format, digits and calendar however
// the host's current locale changes afterwards.
#include <string>
#include <vector>

#include "host/BaseRuntimeFixture.h"
#include "services/VOKDateText.h"

namespace {

using Verdict = VOKDateText::Verdict;

// A snapshot of the host's locale for localeName, the Thai setting as the
// language makes it, years in the Buddhist era.
vok::HostLocale LocaleOf(const char* localeName) {
  VOKHostSettings::SetLocale(localeName);
  VOKHostSettings::SetThai(std::string(localeName).starts_with("th"), true);
  return VOKHostSettings::Current();
}

// What a value makes of text: its verdict and, for a date, the day read.
std::string Reading(const VOKDateText& dates, const char* text) {
  VOKTime date(777);
  switch (dates.Read(text, date)) {
    case Verdict::InvalidFormat:
      return "format" + std::string(date.Gettime_t() == 777 ? "" : " (time moved)");
    case Verdict::InvalidValue:
      return "value" + std::string(date.Gettime_t() == 777 ? "" : " (time moved)");
    case Verdict::ValidDate:
      return std::to_string(date.GetYear(0)) + "-" + std::to_string(date.GetMonth(0)) + "-" +
             std::to_string(date.GetDay(0));
  }
  return "unknown";
}

class DateTextTest : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    SetEnv("VOK_DATE_LAYOUT", nullptr);
    BaseRuntimeFixture::SetUp();
  }
};

TEST_F(DateTextTest, EachLocaleKeepsItsShapeFormatAndReadingAfterTheHostMovesOn) {
  const VOKDateText english(LocaleOf("en_US"));
  const VOKDateText german(LocaleOf("de_DE"));
  const VOKDateText thai(LocaleOf("th_TH"));
  VOKHostSettings::SetLocale("fr_FR");
  VOKHostSettings::SetThai(false, true);

  EXPECT_EQ("mm/dd/yyyy | %m/%d/%Y",
            english.DisplayFormat().ToUtf8() + " | " + english.ConversionFormat().ToUtf8());
  EXPECT_EQ("TT.MM.JJJJ | %d.%m.%Y",
            german.DisplayFormat().ToUtf8() + " | " + german.ConversionFormat().ToUtf8());
  EXPECT_EQ("วว/ดด/ปปปป | %d/%m/%Y",
            thai.DisplayFormat().ToUtf8() + " | " + thai.ConversionFormat().ToUtf8());

  struct Row {
    const char* text;
    std::string english, german, thai;
  };
  const std::vector<Row> rows = {
      {"12/25/2024", "2024-12-25", "format", "value"},
      {"25.12.2024", "format", "2024-12-25", "format"},
      {"25/12/2024", "value", "format", "2024-12-25"},
      {"31.04.2024", "format", "value", "format"},
      {"29/02/2023", "value", "format", "value"},
      {"TT.MM.JJJJ", "format", "value", "format"},  // the shape itself is no date
      // Thai digits are digits of a date in the Thai setting only.
      {"๒๕/๑๒/2024", "value", "format", "2024-12-25"},
      {"", "format", "format", "format"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.english, Reading(english, row.text)) << row.text;
    EXPECT_EQ(row.german, Reading(german, row.text)) << row.text;
    EXPECT_EQ(row.thai, Reading(thai, row.text)) << row.text;
  }
}

TEST_F(DateTextTest, ThaiYearsAreShownInTheEraAndReadBackInTheDigitsTyped) {
  const VOKDateText thai(LocaleOf("th_TH"));
  const VOKDateText gregorianThai = [] {
    VOKHostSettings::SetThai(true, false);
    return VOKDateText(VOKHostSettings::Current());
  }();
  VOKHostSettings::SetLocale("en_US");
  VOKHostSettings::SetThai(false, true);

  const VOKTime christmas(2024, 12, 25, 0, 0, 0, 0);
  EXPECT_EQ("25/12/2024", thai.Write(christmas).ToUtf8());
  EXPECT_EQ("25/12/2567", thai.Shown(thai.Write(christmas)).ToUtf8());
  EXPECT_EQ("25/12/2024", gregorianThai.Shown(gregorianThai.Write(christmas)).ToUtf8());
  // A year typed in Thai digits comes back in Thai digits, in both forms.
  EXPECT_EQ("๒๕/๑๒/๒๐๒๔", thai.Gregorian("๒๕/๑๒/๒๕๖๗").ToUtf8());
  EXPECT_EQ("๒๕/๑๒/๒๕๖๗", thai.Shown("๒๕/๑๒/๒๐๒๔").ToUtf8());
  EXPECT_EQ("2024-12-25", Reading(thai, thai.Gregorian("๒๕/๑๒/๒๕๖๗").ToUtf8().c_str()));
  // A Buddhist-era year is taken as one even where Gregorian years are shown.
  EXPECT_EQ("25/12/2024", gregorianThai.Gregorian("25/12/2567").ToUtf8());
  // Outside the Thai setting, texts stay as they are.
  const VOKDateText english(LocaleOf("en_US"));
  EXPECT_EQ("12/25/2567", english.Gregorian("12/25/2567").ToUtf8());
  EXPECT_EQ("12/25/2024", english.Shown("12/25/2024").ToUtf8());
}

TEST_F(DateTextTest, ConversionFormatsFollowThePlaceholdersYearFirst) {
  struct Row {
    const char *layout, *day, *month, *year, *expected;
  };
  const Row rows[] = {
      {"ปปปป-ดด-วว", "วว", "ดด", "ปปปป", "%Y-%m-%d"},
      // The year goes first, so a year placeholder holding the day's is whole.
      {"d.m.dd", "d", "m", "dd", "%d.%m.%y"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.expected,
              VOKConversionFormat(row.layout, {row.day, row.month, row.year}).ToUtf8())
        << row.layout;
  }
  EXPECT_EQ("format", Reading(VOKDateText(), "12/25/2024"));
  EXPECT_EQ("", VOKDateText().ConversionFormat().ToUtf8());
}

}  // namespace
