// The locale's date layout as the date-picker dialog uses it: the display
// format (what the user reads and types, e.g. mm/dd/yyyy) and the
// conversion format (the same layout in strftime codes, e.g. %m/%d/%Y).
// Both are asked of the host afresh at every call.
#include "date_dialog/VOKPLMDlgDate.h"
#include "date_dialog/VOKPLMDlgDateSupport.h"
#include "module/ModuleTrace.h"
#include "services/VOKDateText.h"
#include "services/VOKImmDate.h"

long VOKPLMDlgDate::getLongDateFormat(VOKUnicodeString& format) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::getLongDateFormat");
  int dayOrder = 0;
  int monthOrder = 0;
  int yearOrder = 0;
  VOKImmDate::GetLocalDate(dayOrder, monthOrder, yearOrder, &format, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
  // An unknown layout is judged as the host gives it, decoration included.
  if (format == "" || format == "//") return vok_dlgdate::kFail;
  StripNLS(format);
  VOK_TRACE(vok_module::DlgDateTrace(), "longDateFormat: " << format);
  return vok_dlgdate::kOk;
}

long VOKPLMDlgDate::getShortDateFormat(VOKUnicodeString& format) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::getShortDateFormat");
  if (getLongDateFormat(format) < 0) return vok_dlgdate::kFail;
  format = VOKConversionFormat(format, {_dayTitle, _monthTitle, _yearTitle});
  VOK_TRACE(vok_module::DlgDateTrace(), "shortDateFormat: " << format);
  return vok_dlgdate::kOk;
}
