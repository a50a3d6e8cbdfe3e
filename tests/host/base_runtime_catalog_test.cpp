#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base_runtime/VOKMsgCatalog.h"
#include "host/BaseRuntimeFixture.h"

namespace {

std::string Message(const char* catalog, const char* key, const VOKUnicodeString* params = nullptr,
                    int nParams = 0, const char* defaultText = "(default)") {
  return VOKMsgCatalog::BuildMessage(catalog, key, params, nParams, VOKUnicodeString(defaultText))
      .ToUtf8();
}

// Catalog files of a test go first on the catalog path.
class CatalogTest : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    BaseRuntimeFixture::SetUp();
    _dir = std::filesystem::temp_directory_path() /
           ("vok_catalogs_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const char* shipped = std::getenv("VOK_CATALOG_PATH");
    SetEnv("VOK_CATALOG_PATH", (_dir.string() + ":" + (shipped ? shipped : "")).c_str());
    VOKMsgCatalog::ReloadFiles();
  }

  void TearDown() override {
    std::filesystem::remove_all(_dir);
    BaseRuntimeFixture::TearDown();
  }

  std::string Write(const std::string& language, const std::string& catalog,
                    const std::string& contents) {
    std::filesystem::create_directories(_dir / language);
    const std::filesystem::path file = _dir / language / (catalog + ".catalog");
    std::ofstream(file, std::ios::binary) << contents;
    return file.string();
  }

 private:
  std::filesystem::path _dir;
};

TEST_F(CatalogTest, ShippedEnglishTextsOrTheDefault) {
  EXPECT_EQ("Choose a date", Message("VOKPLMDlgDate", "CalendarChoose"));
  // A missing key or catalog gives the default; so does a name that leaves
  // the language's folder.
  EXPECT_EQ("InvalidYear", Message("VOKZeltSheetEditor", "NoSuchKey", nullptr, 0, "InvalidYear"));
  EXPECT_EQ("Icon", Message("NoSuchCatalog", "CalendarChoose", nullptr, 0, "Icon"));
  EXPECT_EQ("Error", Message("../en/VOKImmDate", "Day.Title", nullptr, 0, "Error"));
}

TEST_F(CatalogTest, ParametersAreSubstitutedByPosition) {
  Write("en", "Params", "Swap = %2 before %1\nMany = %1%2%3%%%9\nPercent = 100% sure, %0 %a\n");
  const VOKUnicodeString two[] = {VOKUnicodeString("one"), VOKUnicodeString("two")};
  EXPECT_EQ("two before one", Message("Params", "Swap", two, 2));
  // Parameters beyond the count stay as written; a parameter's own text is
  // not substituted again.
  EXPECT_EQ("onetwo%3%%9", Message("Params", "Many", two, 2));
  const VOKUnicodeString tricky[] = {VOKUnicodeString("%2"), VOKUnicodeString("x")};
  EXPECT_EQ("x before %2", Message("Params", "Swap", tricky, 2));
  EXPECT_EQ("%2 before %1", Message("Params", "Swap", two, -3));
  EXPECT_EQ("100% sure, %0 %a", Message("Params", "Percent", two, 2));
}

TEST_F(CatalogTest, LinesMayBeQuotedCommentedOrPadded) {
  Write("en", "Layout",
        "\xEF\xBB\xBF# comment = not an entry\r\n\r\n  Plain   =   padded text   \r\n"
        "Quoted = \"  kept blanks  \"\nInner = say \"hi\" now\nEmpty =\nEquals = a = b\nPlain = "
        "second wins");
  const int before = VOKMsgCatalog::MalformedFileMessages();
  EXPECT_EQ("second wins", Message("Layout", "Plain"));
  EXPECT_EQ("  kept blanks  ", Message("Layout", "Quoted"));
  EXPECT_EQ("say \"hi\" now", Message("Layout", "Inner"));
  EXPECT_EQ("", Message("Layout", "Empty"));
  EXPECT_EQ("a = b", Message("Layout", "Equals"));
  EXPECT_EQ("(default)", Message("Layout", "# comment"));
  EXPECT_EQ(before, VOKMsgCatalog::MalformedFileMessages());
}

TEST_F(CatalogTest, MalformedCatalogsGiveOneMessageEach) {
  const std::string broken =
      Write("en", "Broken", "First = one\nno equals sign\nSecond = two\n= no key\n");
  const std::string latin1 = Write("en", "Latin1", "Month = M\xE4rz\nOther = fine\n");
  const int before = VOKMsgCatalog::MalformedFileMessages();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ("one", Message("Broken", "First"));
  EXPECT_EQ("two", Message("Broken", "Second"));
  EXPECT_EQ("(default)", Message("Latin1", "Other"));  // a file not in UTF-8 is ignored whole
  EXPECT_EQ("(default)", Message("Latin1", "Month"));
  VOKMsgCatalog::LoadFromMemory("Mem", "A = 1\nB\nC = 3");
  EXPECT_EQ("catalog " + broken + ":2: expected 'Key = Text'\ncatalog " + latin1 +
                ": not valid UTF-8 text; the catalog is ignored\ncatalog <memory:Mem>:2: expected "
                "'Key = Text'\n",
            ::testing::internal::GetCapturedStderr());
  EXPECT_EQ(before + 3, VOKMsgCatalog::MalformedFileMessages());
  EXPECT_EQ("3", Message("Mem", "C"));
}

TEST_F(CatalogTest, LanguageFileFirstThenEnglish) {
  Write("en", "Lang", "Hello = Hello\nOnlyEnglish = English only\n");
  Write("de", "Lang", "Hello = Hallo\n");
  Write("en", "EnglishOnly", "Hello = Hello from English\n");
  VOKHostSettings::SetLocale("de_DE");
  EXPECT_EQ("Hallo", Message("Lang", "Hello"));
  // The German file exists, so its missing key gives the default.
  EXPECT_EQ("(default)", Message("Lang", "OnlyEnglish"));
  EXPECT_EQ("Hello from English", Message("EnglishOnly", "Hello"));
  // Files are read once until reloaded.
  Write("de", "Lang", "Hello = Servus\n");
  EXPECT_EQ("Hallo", Message("Lang", "Hello"));
  VOKMsgCatalog::ReloadFiles();
  EXPECT_EQ("Servus", Message("Lang", "Hello"));
}

TEST_F(CatalogTest, MissingLanguageFileFallsBackToEnglishWithOneNote) {
  Write("en", "Lang", "Hello = Hello\n");
  Write("en", "Other", "Bye = Bye\n");
  VOKHostSettings::SetLocale("de_DE");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ("Hello", Message("Lang", "Hello"));
  EXPECT_EQ("Bye", Message("Other", "Bye"));
  EXPECT_EQ("Hello", Message("Lang", "Hello"));
  const std::string notes = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(0u, notes.find("catalog \"Lang\" has no \"de\" text in "));
  EXPECT_EQ(notes.size() - 16, notes.find("; using English\n")) << notes;  // one line
}

TEST_F(CatalogTest, MemoryCatalogReplacesTheFileForEveryLanguage) {
  VOKMsgCatalog::LoadFromMemory("VOKPLMDlgDate", "CalendarChoose = Pick a day\n");
  EXPECT_EQ("(default)", Message("VOKPLMDlgDate", "Sun"));
  VOKHostSettings::SetLocale("th_TH");
  EXPECT_EQ("Pick a day", Message("VOKPLMDlgDate", "CalendarChoose"));
  VOKMsgCatalog::ClearMemoryCatalogs();
  VOKHostSettings::SetLocale("en_US");
  EXPECT_EQ("Choose a date", Message("VOKPLMDlgDate", "CalendarChoose"));
}

}  // namespace
