#include "date_dialog/VOKPLMDlgDateSupport.h"

#include <array>

#include "base_runtime/VOKString.h"
#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"
#include "date_dialog/VOKPLMDlgDate.h"
#include "services/VOKImmDate.h"

namespace vok_dlgdate {
namespace {

// The year the Thai host shows for today, as decimal text.
VOKUnicodeString ThaiReferenceYear() {
  VOKUnicodeString text;
  VOKUnicodeString shown;
  VOKUnicodeString year;
  VOKImmDate::GetThaiReferenceDate(text, VOKTime(0), shown, year);
  return year;
}

int CurrentGregorianYear() { return VOKTime::GetCurrentLocalTime().GetYear(0); }

}  // namespace

int LowestYear() {
  return VOKImmDate::IsThisThai() ? VOKPLMDlgDate::minYear_Thai : VOKPLMDlgDate::minYear;
}

int HighestYear() {
  return VOKImmDate::IsThisThai() ? VOKPLMDlgDate::maxYear_Thai : VOKPLMDlgDate::maxYear;
}

bool IsYearInBounds(int year) { return year >= LowestYear() && year <= HighestYear(); }

bool ShowsBuddhistEra() {
  if (!VOKImmDate::IsThisThai()) return false;
  int reference = 0;
  ThaiReferenceYear().ConvertToNum(&reference, "%d");
  return reference != CurrentGregorianYear();
}

bool ShowsBuddhistEraText() {
  if (!VOKImmDate::IsThisThai()) return false;
  VOKUnicodeString current;
  current.BuildFromNum(CurrentGregorianYear(), "%d");
  return ThaiReferenceYear() != current;
}

int DaysInMonth(int month, int gregorianYear) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return gregorianYear % 4 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

const VOKUnicodeString& CellNumberText(int number) {
  static const std::array<VOKUnicodeString, kCellCount> texts = [] {
    std::array<VOKUnicodeString, kCellCount> made;
    for (int n = 1; n <= kCellCount; ++n) made[n - 1].BuildFromNum(n, "%d");
    return made;
  }();
  return texts[number - 1];
}

const VOKString& CellNumberName(int number) {
  static const std::array<VOKString, kCellCount> names = [] {
    std::array<VOKString, kCellCount> made;
    for (int n = 1; n <= kCellCount; ++n) made[n - 1] = CellNumberText(n).ConvertToChar();
    return made;
  }();
  return names[number - 1];
}

int FirstCellOfMonth(int month, int gregorianYear) {
  const int weekday = VOKTime(gregorianYear, month, 1, 0, 0, 0, 0).GetDayOfWeek(0);
  // A weekday outside 1 to 7 would put days outside the grid.
  return weekday >= 1 && weekday <= kWeekDays ? weekday - 1 : 0;
}

}  // namespace vok_dlgdate
