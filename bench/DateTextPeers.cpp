// File: DateTextPeers.cpp
// What a host developer would otherwise use to read mm/dd/yyyy text:
// strptime + timegm, std::get_time (+ timegm), and ICU's SimpleDateFormat
// with a reused, non-lenient formatter. Each must consume the whole text.
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <ctime>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>

#include "bench/AllocationCounter.h"
#include "bench/DateTextInputs.h"

namespace {

constexpr const char* kLayout = "%m/%d/%Y";
constexpr std::time_t kNoTime = -1;

std::time_t StrptimeTimegm(const char* text, std::tm& fields) {
  fields = std::tm{};
  const char* end = strptime(text, kLayout, &fields);
  if (end == nullptr || *end != '\0') return kNoTime;
  return timegm(&fields);
}

std::time_t GetTimeTimegm(std::istringstream& stream, const std::string& text) {
  stream.clear();
  stream.str(text);
  std::tm fields{};
  stream >> std::get_time(&fields, kLayout);
  if (stream.fail() || stream.peek() != std::char_traits<char>::eof()) return kNoTime;
  return timegm(&fields);
}

std::unique_ptr<icu::SimpleDateFormat> IcuFormat() {
  UErrorCode status = U_ZERO_ERROR;
  auto format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString("MM/dd/yyyy"),
                                                        icu::Locale("en_US"), status);
  if (U_FAILURE(status)) return nullptr;
  format->setLenient(false);
  format->adoptTimeZone(icu::TimeZone::getGMT()->clone());
  return format;
}

// Milliseconds since 1970, or nothing when the text is no whole date.
bool IcuParse(const icu::SimpleDateFormat& format, const icu::UnicodeString& text, UDate& date) {
  icu::ParsePosition position(0);
  date = format.parse(text, position);
  return position.getErrorIndex() < 0 && position.getIndex() == text.length();
}

// Times read, which answers whether it accepted the text, and reports how
// often it did and what it allocated.
template <class Read>
void TimeReader(benchmark::State& state, Read read) {
  long accepted = 0;
  const vok_bench::AllocationCount start = vok_bench::CountedAllocations();
  for (auto _ : state) accepted += read() ? 1 : 0;
  vok_bench::ReportAllocationsSince(state, start);
  state.counters["accepted"] =
      benchmark::Counter(static_cast<double>(accepted), benchmark::Counter::kAvgIterations);
}

void BM_StrptimeTimegm(benchmark::State& state, const char* text) {
  TimeReader(state, [text] {
    std::tm fields;
    const std::time_t time = StrptimeTimegm(text, fields);
    benchmark::DoNotOptimize(time);
    return time != kNoTime;
  });
}
VOK_BENCH_DATE_TEXTS(BM_StrptimeTimegm);

// The stream is reused: only its text is replaced.
void BM_StdGetTime(benchmark::State& state, const char* text) {
  std::istringstream stream;
  stream.imbue(std::locale::classic());
  const std::string input(text);
  TimeReader(state, [&] {
    const std::time_t time = GetTimeTimegm(stream, input);
    benchmark::DoNotOptimize(time);
    return time != kNoTime;
  });
}
VOK_BENCH_DATE_TEXTS(BM_StdGetTime);

// ICU allocates with malloc: its allocations are not in allocs/op.
void BM_IcuSimpleDateFormat(benchmark::State& state, const char* text) {
  const std::unique_ptr<icu::SimpleDateFormat> format = IcuFormat();
  if (!format) {
    state.SkipWithError("ICU has no formatter for en_US");
    return;
  }
  const icu::UnicodeString input = icu::UnicodeString::fromUTF8(text);
  TimeReader(state, [&] {
    UDate date = 0;
    const bool accepted = IcuParse(*format, input, date);
    benchmark::DoNotOptimize(date);
    return accepted;
  });
  state.SetLabel("malloc not counted");
}
VOK_BENCH_DATE_TEXTS(BM_IcuSimpleDateFormat);

std::string DayText(std::time_t time) {
  if (time == kNoTime) return "rejects it";
  std::tm fields{};
  gmtime_r(&time, &fields);
  char text[32];
  std::strftime(text, sizeof text, "reads it as %Y-%m-%d", &fields);
  return text;
}

const char* VerdictName(int verdict) {
  static constexpr const char* kNames[] = {"INVALID_FORMAT", "INVALID_VALUE", "VALID_DATE"};
  return verdict >= 0 && verdict <= 2 ? kNames[verdict] : "an unknown code";
}

}  // namespace

namespace vok_bench {

void PrintRolloverNote() {
  std::tm fields;
  std::istringstream stream;
  const std::unique_ptr<icu::SimpleDateFormat> format = IcuFormat();
  UDate date = 0;
  const bool icuRead = format && IcuParse(*format, icu::UnicodeString(kInvalidValue), date);
  std::printf(
      "%s: strptime+timegm %s; std::get_time+timegm %s; ICU (lenient off) %s; "
      "the date text gives %s\n",
      kInvalidValue, DayText(StrptimeTimegm(kInvalidValue, fields)).c_str(),
      DayText(GetTimeTimegm(stream, kInvalidValue)).c_str(),
      icuRead ? DayText(static_cast<std::time_t>(date / 1000)).c_str() : "rejects it",
      VerdictName(DateTextVerdict(kInvalidValue)));
}

}  // namespace vok_bench
