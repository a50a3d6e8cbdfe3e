// File: VOKQELNavCalendarUI.cpp
// Construction of the calendar for date text, and the locale's date format
// in its display and conversion forms, read once when the calendar is built.
#include "calendar_popup/VOKQELNavCalendarUI.h"

#include "base_runtime/VOKEnvironment.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "calendar_popup/ThaiDateText.h"
#include "services/VOKImmDate.h"

namespace {

// A placeholder of the locale's date layout ("dd", "mm", "yyyy" in English).
VOKUnicodeString ReadPlaceholder(const char* key) {
  VOKUnicodeString placeholder = VOKMsgCatalog::BuildMessage("VOKImmDate", key, nullptr, 0, "");
  VOKPLMDlgDate::StripNLS(placeholder);
  return placeholder;
}

}  // namespace

VOKQELNavCalendarUI::VOKQELNavCalendarUI(VOKDialog* parent)
    : VOKImmQELObjCreateDate(parent), _parentDialog(parent) {
  initDate();
}

VOKQELNavCalendarUI::VOKQELNavCalendarUI(VOKDlgDialog* parent)
    : VOKQELNavCalendarUI(static_cast<VOKDialog*>(parent)) {}

VOKQELNavCalendarUI::VOKQELNavCalendarUI()
    : VOKQELNavCalendarUI(static_cast<VOKDialog*>(nullptr)) {}

// Copies carry the formats of their source; they are not read again.
VOKQELNavCalendarUI::VOKQELNavCalendarUI(VOKQELNavCalendarUI& other) = default;

VOKQELNavCalendarUI& VOKQELNavCalendarUI::operator=(const VOKQELNavCalendarUI& other) = default;

// Neither the parent nor the editor belongs to the calendar.
VOKQELNavCalendarUI::~VOKQELNavCalendarUI() { _parentDialog = nullptr; }

VOKString VOKQELNavCalendarUI::GetResourceFilename(int level) const {
  return VOKImmQELObjCreateDate::GetResourceFilename(level);
}

VOKUnicodeString VOKQELNavCalendarUI::getDateFormat() { return _conversionFormat; }

VOKUnicodeString VOKQELNavCalendarUI::getDateExample() {
  if (_conversionFormat == "") return "";
  VOKUnicodeString example = VOKTime::GetCurrentLocalTime().ConvertToString(_conversionFormat, 0);
  return vok_module::ReadableDateText(example);
}

// The display format keeps the placeholders (what typed text must look
// like); the conversion format replaces them by strftime codes, year
// first, then month, then day.
void VOKQELNavCalendarUI::initDate() {
  VOKImmDate::GetLocalDate(_dayOrder, _monthOrder, _yearOrder, &_conversionFormat, nullptr, nullptr,
                           nullptr, nullptr, nullptr);
  StripNLS(_conversionFormat);
  _displayFormat = _conversionFormat;
  if (VOKGetEnv("VOKNlsTest") != nullptr) _displayFormat = "mm/dd/yyyy";

  const VOKUnicodeString day = ReadPlaceholder("Day.Title");
  const VOKUnicodeString month = ReadPlaceholder("Month.Title");
  const VOKUnicodeString year = ReadPlaceholder("Year.Title");
  // A year placeholder of two characters or fewer stands for a two-digit year.
  const char* yearCode = year.GetLengthInChar() > 2 ? "%Y" : "%y";
  _conversionFormat.ReplaceAll(year, yearCode);
  _conversionFormat.ReplaceAll(month, "%m");
  _conversionFormat.ReplaceAll(day, "%d");
}
