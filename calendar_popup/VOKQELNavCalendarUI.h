// File: VOKQELNavCalendarUI.h
// The calendar that serves a text field: it reads the locale's date layout
// once, at construction, in its display form (what typed text must look
// like, e.g. mm/dd/yyyy) and its conversion form (the same layout in
// strftime codes, e.g. %m/%d/%Y), judges date text, converts it into a time
// value and shows error boxes built from catalog keys.
#pragma once

#include <memory>

#include "calendar_popup/VOKImmQELObjCreateDate.h"

class VOKDateText;

/// The calendar that serves a date field: judges typed date text in the
/// layout of the locale it was made in and converts it into a time value.
/// A host keeps one to check its fields, or gets one from a frame.
///
/// Result codes: validateDate and ConvertToVOKTime return INVALID_FORMAT
/// (0), INVALID_VALUE (1) or VALID_DATE (2). Only VALID_DATE is a date, so
/// compare with it; never test the result as a bool, which takes
/// "02/30/2024" (1) for a date.
///
/// Years: any year the layout can hold (1 to 9999) is read and converted;
/// the 1970 to 2038 bounds are the calendar's (SetYear), not the text's.
/// In a Thai setting a field shows Buddhist-era years: pass its text
/// through VOKImmDate::GetThaiReferenceDate first, or the year is off by
/// the Buddhist era's offset.
class VOK_MODULE_API VOKQELNavCalendarUI : public VOKImmQELObjCreateDate {
 public:
  static const int INVALID_FORMAT;  ///< 0: empty, or not the display format's shape
  static const int INVALID_VALUE;   ///< 1: the right shape, but no readable date
  static const int VALID_DATE;      ///< 2

  /// A hidden calendar under parent; reads the locale's layout now.
  explicit VOKQELNavCalendarUI(VOKDialog* parent);
  /// The same, under a dialog, which also parents its error boxes.
  explicit VOKQELNavCalendarUI(VOKDlgDialog* parent);
  /// A hidden calendar with no parent.
  VOKQELNavCalendarUI();
  /// A copy with the same layout and editor.
  VOKQELNavCalendarUI(VOKQELNavCalendarUI& other);
  /// Takes other's state, layout and editor.
  VOKQELNavCalendarUI& operator=(const VOKQELNavCalendarUI& other);
  ~VOKQELNavCalendarUI() override;

  VOKString GetResourceFilename(int level) const override;

  /// The conversion format.
  VOKUnicodeString getDateFormat();
  /// Today written in the conversion format (the host's Thai form in a Thai
  /// setting); "" when the format is empty.
  VOKUnicodeString getDateExample();

  /// Judges text: INVALID_FORMAT when it is empty or not of the display
  /// format's shape (every placeholder filled with all its digits),
  /// INVALID_VALUE when it has the shape but is no real date, VALID_DATE.
  /// Nothing is shown.
  int validateDate(const VOKUnicodeString& text);
  /// 1 when text is a date; otherwise shows the matching error box (format
  /// or value, with the layout and an example) and gives 0.
  unsigned char isDateValid(const VOKUnicodeString& text);
  /// The code of validateDate; on VALID_DATE time is set to that day at
  /// 00:00:00, otherwise it keeps its value.
  int ConvertToVOKTime(const VOKUnicodeString& text, VOKTime& time);
  /// Shows the blocking error box of catalog key (catalog of this class)
  /// with nParams parameters; returns when it is answered.
  void ShowErrorDialog(const VOKString& key, VOKUnicodeString* params, int nParams);

 private:
  void initDate();

  VOKDialog* _parentDialog = nullptr;
  /// The display and conversion formats, and the locale they are read with.
  std::unique_ptr<VOKDateText> _dateText;
};
