// The year spinner's handler and the year checks of the date-picker dialog:
// a year is taken when it is a number inside the bounds of the setting and
// a whole date written with it in the locale's layout is a real date.
#include <algorithm>
#include <climits>

#include "base_runtime/VOKMsgCatalog.h"
#include "date_dialog/VOKPLMDlgDate.h"
#include "date_dialog/VOKPLMDlgDateSupport.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgStyle.h"
#include "module/ModuleTrace.h"
#include "services/VOKImmDate.h"

using vok_dlgdate::kFail;
using vok_dlgdate::kOk;

namespace {

// How a spinner notification changes the year: typed text, or one step.
enum class YearChange { Typed, StepUp, StepDown, None };

YearChange ChangeOf(const char* notificationName) {
  const VOKUnicodeString name(notificationName);
  if (name.Compare("VOKDlgSpinnerModifyNotification") == VOKUnicodeString::Equal) {
    return YearChange::Typed;
  }
  if (name.Compare("VOKDlgSpinnerBtnUpNotification") == VOKUnicodeString::Equal) {
    return YearChange::StepUp;
  }
  if (name.Compare("VOKDlgSpinnerBtnDownNotification") == VOKUnicodeString::Equal) {
    return YearChange::StepDown;
  }
  return YearChange::None;
}

VOKUnicodeString InvalidYearMessage(const char* key, const VOKUnicodeString& year) {
  return VOKMsgCatalog::BuildMessage("VOKZeltSheetEditor", key, &year, 1, "InvalidYear");
}

// The last characters of the year text, as many as the year placeholder
// has; the whole text when the placeholder is the longer of the two.
VOKUnicodeString YearDigits(const VOKUnicodeString& year, int placeholderLength) {
  const int length = year.GetLengthInChar();
  if (placeholderLength >= length) return year;
  return year.SubString(length - placeholderLength, placeholderLength);
}

// A month of one digit gets a leading zero.
VOKUnicodeString TwoDigitMonth(int month) {
  VOKUnicodeString text;
  text.BuildFromNum(month, "%d");
  if (text.GetLengthInChar() == 1) return VOKUnicodeString("0").Append(text);
  return text;
}

}  // namespace

void VOKPLMDlgDate::ChangeYear(VOKCommand* sender, VOKNotification* notification, void*) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::ChangeYear");
  if (!_yearSpinner) return;
  const short day = GetDay();
  if (!sender) return;
  VOK_TRACE(vok_module::DlgDateTrace(), "className: " << sender->IsA());
  if (!notification) return;
  VOK_TRACE(vok_module::DlgDateTrace(), "evtName:   " << notification->GetNotificationName());

  const YearChange change = ChangeOf(notification->GetNotificationName());
  if (change != YearChange::None) {
    // The spinner still holds the year before the change: a step is added
    // here.
    VOKUnicodeString text = _yearSpinner->GetCurrentText();
    int year = 0;
    bool accepted;
    if (change == YearChange::Typed) {
      accepted = text.ConvertToNum(&year, "%d") && isYearValid(text);
    } else {
      text.ConvertToNum(&year, "%d");
      // A step from the end of the int range stays at that end.
      year = std::clamp(year, INT_MIN + 1, INT_MAX - 1) + (change == YearChange::StepUp ? 1 : -1);
      text.BuildFromNum(year, "%d");
      accepted = isYearValid(text);
    }
    if (accepted) {
      VOK_TRACE(vok_module::DlgDateTrace(), "Year valid.");
    } else {
      yearErrorDialog(text);
      year = FallBackYear();
    }
    // A year accepted without the date test (empty placeholders) may lie
    // outside the bounds: the dialog then shows the year it holds again
    // rather than keep a year it cannot draw.
    SetYear(static_cast<short>(vok_dlgdate::IsYearInBounds(year) ? year : _year), 1);
  }
  SetDay(day);
}

// When today's year cannot be cut from the locale's layout there is no
// example: the lowest year of the setting is taken instead, as for an
// example year that is itself refused, so that the spinner and _year never
// keep a refused year.
int VOKPLMDlgDate::FallBackYear() {
  int example = vok_dlgdate::Calendar().lowestShownYear;
  getExampleYear(example);
  return example;
}

unsigned char VOKPLMDlgDate::isYearValid(VOKUnicodeString text) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::isYearValid(" << text << ")");
  text = text.Strip(VOKUnicodeString::StripBoth, ' ');
  StripNLS(text);
  if (_dayTitle.IsEmpty() || _monthTitle.IsEmpty() || _yearTitle.IsEmpty()) {
    VOK_TRACE(vok_module::DlgDateTrace(), "NLS strings are blank for format.. skipping test.");
    return 1;
  }
  if (text.IsEmpty()) {
    VOK_TRACE(vok_module::DlgDateTrace(), "Blank year!");
    return 0;
  }
  int year = 0;
  if (!text.ConvertToNum(&year, "%d")) {
    VOK_TRACE(vok_module::DlgDateTrace(), "Couldn't convert text \"" << text << "\" to number.");
    return 0;
  }
  const vok::CalendarSystem& calendar = vok_dlgdate::Calendar();
  if (!calendar.AcceptsShownYear(year)) {
    VOK_TRACE(vok_module::DlgDateTrace(), "Year \"" << year << "\" falls outside of thresholds ("
                                                    << calendar.lowestShownYear << "-"
                                                    << calendar.highestShownYear << ").");
    return 0;
  }
  // The date test is made with the Gregorian year.
  if (calendar.showsEra) text.BuildFromNum(calendar.GregorianYear(year), "%d");
  VOKUnicodeString date;
  const bool dated = getLongDateFormat(date) >= 0;
  if (dated) {
    date.ReplaceAll(_yearTitle, YearDigits(text, _yearTitle.GetLengthInChar()));
    date.ReplaceAll(_monthTitle, TwoDigitMonth(_month));
    date.ReplaceAll(_dayTitle, "01");
    VOK_TRACE(vok_module::DlgDateTrace(), "Checking with date: " << date);
  }
  if (dated && VOKImmDate(date)._time.Gettime_t() != VOKTime::Invalid) {
    VOK_TRACE(vok_module::DlgDateTrace(), "Year \"" << text << "\" is valid.");
    return 1;
  }
  VOK_TRACE(vok_module::DlgDateTrace(), "Year \"" << text << "\" is invalid.");
  return 0;
}

long VOKPLMDlgDate::getExampleYear(int& example) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::getExampleYear");
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  VOKUnicodeString displayFormat;
  if (getLongDateFormat(displayFormat) < 0) return kFail;
  VOKUnicodeString conversionFormat;
  if (getShortDateFormat(conversionFormat) < 0) return kFail;
  const VOKUnicodeString written = today.ConvertToString(conversionFormat, 0);
  // The year's place in the layout is taken as its place in the written
  // date: every placeholder before it is as long as what it stands for.
  const int position = displayFormat.SearchSubString(_yearTitle, 0, 1);
  VOKUnicodeString year;
  if (position >= 0) year = written.SubString(position, _yearTitle.GetLengthInChar());
  if (year.IsEmpty()) return kFail;
  if (isYearValid(year)) {
    year.ConvertToNum(&example, "%d");
  } else {
    example = vok_dlgdate::Calendar().lowestShownYear;
  }
  VOK_TRACE(vok_module::DlgDateTrace(), "example year: " << example);
  return kOk;
}

void VOKPLMDlgDate::yearErrorDialog(VOKUnicodeString& text) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::yearErrorDialog");
  const VOKUnicodeString message = InvalidYearMessage("InvalidYear.Text", text);
  const VOKUnicodeString title = InvalidYearMessage("InvalidYear.Title", text);
  VOK_TRACE(vok_module::DlgDateTrace(), "errMsg:   " << message);
  VOK_TRACE(vok_module::DlgDateTrace(), "errTitle: " << title);
  VOKDlgNotify* box = new VOKDlgNotify(this, "Error", VOKDlgStyle::ErrorBox);
  if (!box) return;
  box->DisplayBlocked(message, title);
  box->RequestDelayedDestruction();
}
