// File: VOKQELNavCalendarUI.cpp
// Construction of the calendar for date text, and the locale's date format
// in its display and conversion forms, read once when the calendar is built.
#include "calendar_popup/VOKQELNavCalendarUI.h"

#include "base_runtime/VOKEnvironment.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "calendar_popup/ThaiDateText.h"
#include "services/VOKDateText.h"
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
VOKQELNavCalendarUI::VOKQELNavCalendarUI(VOKQELNavCalendarUI& other)
    : VOKImmQELObjCreateDate(other),
      _parentDialog(other._parentDialog),
      _dateText(std::make_unique<VOKDateText>(*other._dateText)) {}

VOKQELNavCalendarUI& VOKQELNavCalendarUI::operator=(const VOKQELNavCalendarUI& other) {
  if (this == &other) return *this;
  VOKImmQELObjCreateDate::operator=(other);
  _parentDialog = other._parentDialog;
  *_dateText = *other._dateText;
  return *this;
}

// Neither the parent nor the editor belongs to the calendar.
VOKQELNavCalendarUI::~VOKQELNavCalendarUI() { _parentDialog = nullptr; }

VOKString VOKQELNavCalendarUI::GetResourceFilename(int level) const {
  return VOKImmQELObjCreateDate::GetResourceFilename(level);
}

VOKUnicodeString VOKQELNavCalendarUI::getDateFormat() { return _dateText->ConversionFormat(); }

VOKUnicodeString VOKQELNavCalendarUI::getDateExample() {
  if (_dateText->ConversionFormat() == "") return "";
  return vok_module::ReadableDateText(_dateText->Write(VOKTime::GetCurrentLocalTime()));
}

// The display format keeps the placeholders (what typed text must look
// like); the conversion format replaces them by strftime codes. Texts are
// read with the locale of this moment, as the formats are.
void VOKQELNavCalendarUI::initDate() {
  int dayOrder = 0;
  int monthOrder = 0;
  int yearOrder = 0;
  VOKUnicodeString layout;
  VOKImmDate::GetLocalDate(dayOrder, monthOrder, yearOrder, &layout, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
  StripNLS(layout);
  const bool nlsTest = VOKGetEnv("VOKNlsTest") != nullptr;
  const VOKDatePlaceholderTexts placeholders{
      ReadPlaceholder("Day.Title"), ReadPlaceholder("Month.Title"), ReadPlaceholder("Year.Title")};
  VOKDateText dateText(VOKHostSettings::Current(), layout, placeholders);
  if (nlsTest) dateText = dateText.WithDisplayFormat("mm/dd/yyyy");
  _dateText = std::make_unique<VOKDateText>(std::move(dateText));
}
