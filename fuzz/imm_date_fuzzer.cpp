// File: imm_date_fuzzer.cpp
// The host's date parser and Thai rewriting on any text, under the setting
// the first byte chooses. A parsed date is midnight of a real day in the
// years 1 to 9999; the Thai reference year is a decimal number and the
// rewriting keeps the text's length.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzHost.h"
#include "services/VOKImmDate.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

void CheckParsed(const VOKUnicodeString& text) {
  const VOKImmDate date(text);
  const std::int64_t seconds = date._time.Gettime_t();
  if (seconds == VOKTime::Invalid) return;
  if (seconds % kSecondsPerDay != 0) {
    vok_fuzz::Fail("parsed date is not at midnight", text.ToUtf8());
  }
  const VOKTime& time = date._time;
  const VOKTime rebuilt(time.GetYear(0), time.GetMonth(0), time.GetDay(0), 0, 0, 0, 0);
  if (rebuilt != time) vok_fuzz::Fail("parsed date is no real day", text.ToUtf8());
}

bool IsDecimal(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void CheckThaiRewriting(const VOKUnicodeString& text) {
  if (!VOKImmDate::IsThisThai()) return;
  VOKUnicodeString rewritten = text;
  VOKUnicodeString shown;
  VOKUnicodeString year;
  VOKImmDate::GetThaiReferenceDate(rewritten, VOKTime(0), shown, year);
  if (!IsDecimal(year.ToUtf8())) vok_fuzz::Fail("reference year is no number", year.ToUtf8());
  // The reference-year question alone, as the dialog asks it.
  VOKUnicodeString empty;
  VOKUnicodeString shownToday;
  VOKUnicodeString yearToday;
  VOKImmDate::GetThaiReferenceDate(empty, VOKTime(0), shownToday, yearToday);
  if (yearToday != year) vok_fuzz::Fail("reference year depends on the text", text.ToUtf8());
  // Only a four-digit year changes, into another four-digit year.
  if (rewritten.GetLengthInChar() != text.GetLengthInChar()) {
    vok_fuzz::Fail("rewriting changed the length", text.ToUtf8());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  vok_fuzz::PrepareHost();
  vok_fuzz::ApplySetting(data[0]);
  const VOKUnicodeString text(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  CheckParsed(text);
  CheckThaiRewriting(text);
  vok_fuzz::FinishInput();
  return 0;
}
