#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKTime.h"
#include "host/BaseRuntimeFixture.h"

namespace {

class SettingsTest : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    BaseRuntimeFixture::SetUp();
    for (const char* name :
         {"LC_ALL", "LC_TIME", "LANG", "VOK_THAI", "VOK_THAI_GREGORIAN", "VOK_DATE_LAYOUT"}) {
      SetEnv(name, nullptr);
    }
    VOKHostSettings::Reload();
  }
};

TEST_F(SettingsTest, LanguageComesFromTheFirstSetLocaleVariable) {
  struct Row {
    const char *lcAll, *lcTime, *lang, *language, *locale;
  };
  const Row rows[] = {
      {nullptr, nullptr, nullptr, "en", "en_US"},
      {nullptr, "fr_CA.UTF-8", "de_DE.UTF-8", "fr", "fr_CA"},
      {"th_TH.UTF-8", "fr_FR", "de_DE", "th", "th_TH"},
      {"", "", "de_AT@euro", "de", "de_AT"},
      {nullptr, nullptr, "fr.UTF-8", "fr", "fr_FR"},
      {nullptr, nullptr, "C.UTF-8", "en", "en_US"},
      {"POSIX", nullptr, "de_DE", "en", "en_US"},
      // Unsupported or garbled: English.
      {nullptr, nullptr, "es_ES.UTF-8", "en", "en_US"},
      {nullptr, nullptr, "de_xx", "en", "en_US"},
      {nullptr, nullptr, "de_DE_extra", "en", "en_US"},
  };
  for (const Row& row : rows) {
    SetEnv("LC_ALL", row.lcAll);
    SetEnv("LC_TIME", row.lcTime);
    SetEnv("LANG", row.lang);
    VOKHostSettings::Reload();
    EXPECT_EQ(row.language, VOKHostSettings::GetLanguage()) << (row.lang ? row.lang : "(unset)");
    EXPECT_EQ(row.locale, VOKHostSettings::GetLocaleName()) << (row.lang ? row.lang : "(unset)");
  }
}

TEST_F(SettingsTest, UnsupportedLanguageIsNotedOncePerProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("LANG", "es_ES.UTF-8", 1);
        VOKHostSettings::Reload();
        VOKHostSettings::GetLanguage();
        VOKHostSettings::GetLocaleName();
        VOKHostSettings::SetLocale("ja_JP");
        VOKHostSettings::GetLanguage();
        std::cerr << "done\n";
        std::exit(0);
      },
      ::testing::ExitedWithCode(0),
      "^host settings: locale \"es_ES.UTF-8\" is not supported \\(en, de, fr, th\\); using "
      "English\ndone\n$");
}

TEST_F(SettingsTest, ThaiSettingFollowsLanguageAndVariables) {
  EXPECT_FALSE(VOKHostSettings::IsThai());
  SetEnv("LANG", "th_TH.UTF-8");
  VOKHostSettings::Reload();
  EXPECT_TRUE(VOKHostSettings::IsThai());
  EXPECT_TRUE(VOKHostSettings::ShowsBuddhistEra());
  SetEnv("VOK_THAI_GREGORIAN", "1");
  VOKHostSettings::Reload();
  EXPECT_FALSE(VOKHostSettings::ShowsBuddhistEra());

  SetEnv("LANG", "en_US.UTF-8");
  SetEnv("VOK_THAI", "1");
  VOKHostSettings::Reload();
  EXPECT_TRUE(VOKHostSettings::IsThai());
  EXPECT_EQ("en", VOKHostSettings::GetLanguage());
  SetEnv("VOK_THAI", "yes");
  VOKHostSettings::Reload();
  EXPECT_FALSE(VOKHostSettings::IsThai());
}

// The locale is a value: what the environment says counts from the next
// Reload on, and until then every question gets the same answers.
TEST_F(SettingsTest, EnvironmentCountsOnlyFromTheNextReload) {
  SetEnv("LANG", "de_DE.UTF-8");
  SetEnv("VOK_DATE_LAYOUT", "dd.mm.yyyy");
  EXPECT_EQ("en", VOKHostSettings::GetLanguage());
  EXPECT_EQ(std::nullopt, VOKHostSettings::GetDateLayoutOverride());
  EXPECT_EQ("January", VOKTime(2025, 1, 1, 0, 0, 0, 0).ConvertToString("%B", 0).ToUtf8());
  VOKHostSettings::Reload();
  EXPECT_EQ("de", VOKHostSettings::GetLanguage());
  EXPECT_EQ("dd.mm.yyyy", VOKHostSettings::GetDateLayoutOverride());
  EXPECT_EQ("Januar", VOKTime(2025, 1, 1, 0, 0, 0, 0).ConvertToString("%B", 0).ToUtf8());
}

TEST_F(SettingsTest, SetOperationsChangeOneSettingUntilReload) {
  SetEnv("VOK_DATE_LAYOUT", "");
  VOKHostSettings::Reload();
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

  VOKHostSettings::Reload();
  EXPECT_EQ("th", VOKHostSettings::GetLanguage());
  EXPECT_TRUE(VOKHostSettings::ShowsBuddhistEra());
  EXPECT_EQ("dd.mm.yyyy", VOKHostSettings::GetDateLayoutOverride());
}

}  // namespace
