// The settings and the date reading see every change of the environment
// at the next question: setenv, unsetenv, putenv, and a putenv text
// changed in place; changes of other variables leave them as they were.
#include <cstdlib>
#include <cstring>

#include "ServicesFixture.h"

namespace {

class EnvironmentTest : public ServicesFixture {
 protected:
  void SetUp() override {
    ServicesFixture::SetUp();
    VOKHostSettings::Reset();  // the locale comes from the environment
    for (const char* name : {"LC_ALL", "LC_TIME", "VOK_THAI", "VOK_THAI_GREGORIAN"}) SetEnv(name, nullptr);
    SetEnv("LANG", "en_US.UTF-8");
    SetEnv("VOK_TEST_UNRELATED", nullptr);
  }
};

TEST_F(EnvironmentTest, LocaleVariablesAreSeenAtTheNextQuestion) {
  EXPECT_EQ("en", VOKHostSettings::GetLanguage());
  SetEnv("LANG", "de_AT.UTF-8");
  EXPECT_EQ("de_AT", VOKHostSettings::GetLocaleName());
  SetEnv("LC_TIME", "fr_CA");
  EXPECT_EQ("fr", VOKHostSettings::GetLanguage());
  SetEnv("VOK_TEST_UNRELATED", "1");  // grows the environment
  EXPECT_EQ("fr_CA", VOKHostSettings::GetLocaleName());
  SetEnv("LC_TIME", nullptr);
  EXPECT_EQ("de", VOKHostSettings::GetLanguage());
  SetEnv("VOK_THAI", "1");
  EXPECT_TRUE(VOKHostSettings::IsThai());
}

TEST_F(EnvironmentTest, TextChangedInPlaceAfterPutenvIsSeen) {
  static char entry[] = "LANG=de_DE";
  SetEnv("LANG", nullptr);  // restored by the fixture
  ASSERT_EQ(0, putenv(entry));
  EXPECT_EQ("de", VOKHostSettings::GetLanguage());
  std::memcpy(entry + 5, "fr", 2);
  EXPECT_EQ("fr_DE", VOKHostSettings::GetLocaleName());
  unsetenv("LANG");
  EXPECT_EQ("en_US", VOKHostSettings::GetLocaleName());
}

TEST_F(EnvironmentTest, DateReadingFollowsTheLayoutVariableAndTheCatalogs) {
  EXPECT_EQ(Midnight(2024, 12, 25), TimeOf("12/25/2024"));
  SetEnv("VOK_DATE_LAYOUT", "[dd].[mm].[yyyy]");
  EXPECT_EQ(-1, TimeOf("12/25/2024"));
  EXPECT_EQ(Midnight(2024, 12, 25), TimeOf("25.12.2024"));
  EXPECT_EQ("[dd].[mm].[yyyy]", GetLocalDate().format);

  UsePlaceholders("jj", "mm", "aaaa");
  SetEnv("VOK_DATE_LAYOUT", "aaaa-mm-jj");
  EXPECT_EQ(Midnight(2024, 12, 25), TimeOf("2024-12-25"));
  EXPECT_EQ(3, GetLocalDate().dayOrder);

  SetEnv("VOK_DATE_LAYOUT", nullptr);
  SetEnv("LANG", "de_DE.UTF-8");
  UsePlaceholders("dd", "mm", "yyyy");
  EXPECT_EQ(Midnight(2024, 12, 25), TimeOf("25.12.2024"));
  EXPECT_EQ("dd.mm.yyyy", GetLocalDate().format);
}

}  // namespace
