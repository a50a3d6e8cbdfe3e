#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "BaseRuntimeFixture.h"
#include "base_runtime/VOKHostSettings.h"

namespace {

class SettingsTest : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    BaseRuntimeFixture::SetUp();
    VOKHostSettings::Reset();
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG", "VOK_THAI", "VOK_THAI_GREGORIAN", "VOK_DATE_LAYOUT"}) {
      SetEnv(name, nullptr);
    }
  }
};

TEST_F(SettingsTest, LanguageComesFromTheFirstSetLocaleVariable) {
  struct Row {
    const char *lcAll, *lcTime, *lang, *language, *locale;
  };
  const Row rows[] = {
      {nullptr, nullptr, nullptr, "en", "en_US"},       {nullptr, "fr_CA.UTF-8", "de_DE.UTF-8", "fr", "fr_CA"},
      {"th_TH.UTF-8", "fr_FR", "de_DE", "th", "th_TH"}, {"", "", "de_AT@euro", "de", "de_AT"},
      {nullptr, nullptr, "fr.UTF-8", "fr", "fr_FR"},    {nullptr, nullptr, "C.UTF-8", "en", "en_US"},
      {"POSIX", nullptr, "de_DE", "en", "en_US"},
      // Unsupported or garbled: English.
      {nullptr, nullptr, "es_ES.UTF-8", "en", "en_US"}, {nullptr, nullptr, "de_xx", "en", "en_US"},
      {nullptr, nullptr, "de_DE_extra", "en", "en_US"},
  };
  for (const Row& row : rows) {
    SetEnv("LC_ALL", row.lcAll);
    SetEnv("LC_TIME", row.lcTime);
    SetEnv("LANG", row.lang);
    EXPECT_EQ(row.language, VOKHostSettings::GetLanguage()) << (row.lang ? row.lang : "(unset)");
    EXPECT_EQ(row.locale, VOKHostSettings::GetLocaleName()) << (row.lang ? row.lang : "(unset)");
  }
}

TEST_F(SettingsTest, UnsupportedLanguageIsNotedOncePerProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("LANG", "es_ES.UTF-8", 1);
        VOKHostSettings::GetLanguage();
        VOKHostSettings::GetLocaleName();
        VOKHostSettings::SetLocale("ja_JP");
        VOKHostSettings::GetLanguage();
        std::cerr << "done\n";
        std::exit(0);
      },
      ::testing::ExitedWithCode(0),
      "^host settings: locale \"es_ES.UTF-8\" is not supported \\(en, de, fr, th\\); using English\ndone\n$");
}

TEST_F(SettingsTest, ThaiSettingFollowsLanguageAndVariables) {
  EXPECT_FALSE(VOKHostSettings::IsThai());
  SetEnv("LANG", "th_TH.UTF-8");
  EXPECT_TRUE(VOKHostSettings::IsThai());
  EXPECT_TRUE(VOKHostSettings::ShowsBuddhistEra());
  SetEnv("VOK_THAI_GREGORIAN", "1");
  EXPECT_FALSE(VOKHostSettings::ShowsBuddhistEra());

  SetEnv("LANG", "en_US.UTF-8");
  SetEnv("VOK_THAI", "1");
  EXPECT_TRUE(VOKHostSettings::IsThai());
  EXPECT_EQ("en", VOKHostSettings::GetLanguage());
  SetEnv("VOK_THAI", "yes");
  EXPECT_FALSE(VOKHostSettings::IsThai());
}

TEST_F(SettingsTest, OverridesWinUntilReset) {
  EXPECT_EQ(std::nullopt, VOKHostSettings::GetDateLayoutOverride());
  SetEnv("VOK_DATE_LAYOUT", "");
  EXPECT_EQ("", VOKHostSettings::GetDateLayoutOverride());
  SetEnv("LANG", "th_TH.UTF-8");
  SetEnv("VOK_DATE_LAYOUT", "dd.mm.yyyy");
  VOKHostSettings::SetLocale("de_CH");
  VOKHostSettings::SetThai(true, false);
  VOKHostSettings::SetDateLayout("[ ]/[ ]/[ ]");
  EXPECT_EQ("de", VOKHostSettings::GetLanguage());
  EXPECT_EQ("de_CH", VOKHostSettings::GetLocaleName());
  EXPECT_TRUE(VOKHostSettings::IsThai());
  EXPECT_FALSE(VOKHostSettings::ShowsBuddhistEra());
  EXPECT_EQ("[ ]/[ ]/[ ]", VOKHostSettings::GetDateLayoutOverride());

  VOKHostSettings::Reset();
  EXPECT_EQ("th", VOKHostSettings::GetLanguage());
  EXPECT_TRUE(VOKHostSettings::ShowsBuddhistEra());
  EXPECT_EQ("dd.mm.yyyy", VOKHostSettings::GetDateLayoutOverride());
}

// A putenv text changed in place is seen at the next question.
TEST_F(SettingsTest, TextChangedInPlaceAfterPutenvIsSeen) {
  static char entry[] = "LANG=de_DE";
  SetEnv("LANG", nullptr);  // restored by the fixture
  ASSERT_EQ(0, putenv(entry));
  EXPECT_EQ("de", VOKHostSettings::GetLanguage());
  std::memcpy(entry + 5, "fr", 2);
  EXPECT_EQ("fr_DE", VOKHostSettings::GetLocaleName());
  unsetenv("LANG");
  EXPECT_EQ("en_US", VOKHostSettings::GetLocaleName());
}

}  // namespace
