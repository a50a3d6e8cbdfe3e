// File: date_text_fuzzer.cpp
// Typed date text judged and read by the date text of the setting the
// first byte chooses. Judging and reading agree, a rejected text leaves
// the time alone, an accepted one is the host parser's date,
// the shape test agrees with one made here from the layout, and where every
// placeholder is as wide as its conversion code a date written back in the
// conversion format is accepted again as the same day.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base_runtime/VOKHostSettings.h"
#include "fuzz/FuzzHost.h"
#include "services/VOKDateText.h"
#include "services/VOKImmDate.h"

namespace {

constexpr std::int64_t kUntouched = 123456789;

// Written dates have the length of the display format: two-letter day and
// month placeholders, a year of two or four, a real layout, no override.
bool WritesTypedShape(const vok_fuzz::Setting& setting) {
  const std::string_view year(setting.year);
  const std::string_view layout(setting.layout);
  return std::string_view(setting.day).size() == 2 && std::string_view(setting.month).size() == 2 &&
         (year.size() == 2 || year.size() == 4) && !setting.nlsTest &&
         layout.find(setting.year) != std::string_view::npos;
}

// The shape typed text must have: the layout without its decoration, or
// the fixed test shape.
VOKUnicodeString DisplayShape(const vok_fuzz::Setting& setting) {
  if (setting.nlsTest) return "mm/dd/yyyy";
  std::string shape;
  for (const char* c = setting.layout; *c != '\0'; ++c) {
    if (*c != '[' && *c != '~' && *c != ']' && *c != ' ') shape += *c;
  }
  return VOKUnicodeString(shape);
}

enum class Shape { Fits, DoesNotFit, Unknown };

// Each character is the shape's own or a digit. Only ASCII digits are
// known here; another character in a placeholder's place may be a digit of
// another script.
Shape ShapeOf(const VOKUnicodeString& text, const VOKUnicodeString& shape) {
  const int length = text.GetLengthInChar();
  if (length == 0 || length != shape.GetLengthInChar()) return Shape::DoesNotFit;
  Shape verdict = Shape::Fits;
  for (int i = 0; i < length; ++i) {
    const char32_t c = text[i].GetCode();
    if (c == shape[i].GetCode() || (c >= U'0' && c <= U'9')) continue;
    if (c < 0x80) return Shape::DoesNotFit;
    verdict = Shape::Unknown;
  }
  return verdict;
}

using Verdict = VOKDateText::Verdict;

// One date text per setting, made the first time the setting comes up.
const VOKDateText& DateTextFor(std::size_t index) {
  static std::array<std::optional<VOKDateText>, vok_fuzz::kSettingCount> texts{};
  if (!texts[index]) {
    const VOKDateText dates(VOKHostSettings::Current());
    texts[index] =
        vok_fuzz::SettingAt(index).nlsTest ? dates.WithDisplayFormat("mm/dd/yyyy") : dates;
    const VOKUnicodeString example = texts[index]->Write(VOKTime::GetCurrentLocalTime());
    if (WritesTypedShape(vok_fuzz::SettingAt(index)) &&
        texts[index]->Judge(example) != Verdict::ValidDate) {
      vok_fuzz::Fail("today's example is refused", example.ToUtf8());
    }
  }
  return *texts[index];
}

Verdict Judge(const VOKDateText& dates, const VOKUnicodeString& text, VOKTime& time) {
  const Verdict result = dates.Judge(text);
  if (result != Verdict::InvalidFormat && result != Verdict::InvalidValue &&
      result != Verdict::ValidDate) {
    vok_fuzz::Fail("unknown judgement", text.ToUtf8());
  }
  time.Settime_t(kUntouched);
  if (dates.Read(text, time) != result) vok_fuzz::Fail("Read disagrees with Judge", text.ToUtf8());
  if (result != Verdict::ValidDate && time.Gettime_t() != kUntouched) {
    vok_fuzz::Fail("a refused text changed the time", text.ToUtf8());
  }
  if (result == Verdict::ValidDate && time != VOKImmDate(text)._time) {
    vok_fuzz::Fail("read time is not the parsed date", text.ToUtf8());
  }
  return result;
}

void CheckRoundTrip(const VOKDateText& dates, const VOKTime& time) {
  if (time.GetYear(0) < 1000) return;  // "%Y" writes fewer than four digits
  const VOKUnicodeString written = dates.Write(time);
  VOKTime again;
  if (Judge(dates, written, again) != Verdict::ValidDate || again != time) {
    vok_fuzz::Fail("a written date is not read back", written.ToUtf8());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  vok_fuzz::PrepareHost();
  const std::size_t index = vok_fuzz::ApplySetting(data[0]);
  const vok_fuzz::Setting& setting = vok_fuzz::SettingAt(index);
  const VOKDateText& dates = DateTextFor(index);
  const VOKUnicodeString text(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

  VOKTime time;
  const Verdict result = Judge(dates, text, time);
  const Shape shape = ShapeOf(text, DisplayShape(setting));
  if ((shape == Shape::Fits) == (result == Verdict::InvalidFormat) && shape != Shape::Unknown) {
    vok_fuzz::Fail("the shape test disagrees with the layout", text.ToUtf8());
  }
  if (result == Verdict::ValidDate && WritesTypedShape(setting)) {
    CheckRoundTrip(dates, time);
  }
  vok_fuzz::FinishInput();
  return 0;
}
