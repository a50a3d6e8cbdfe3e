// File: VOKQELNavCalendarUI.h
// The calendar that serves a text field: it reads the locale's date layout
// once, at construction, in its display form (what typed text must look
// like, e.g. mm/dd/yyyy) and its conversion form (the same layout in
// strftime codes, e.g. %m/%d/%Y), judges date text, converts it into a time
// value and shows error boxes built from catalog keys.
#pragma once

#include "calendar_popup/VOKImmQELObjCreateDate.h"

class VOK_MODULE_API VOKQELNavCalendarUI : public VOKImmQELObjCreateDate {
 public:
  static const int INVALID_FORMAT;  ///< 0: empty, or not the display format's shape
  static const int INVALID_VALUE;   ///< 1: the right shape, but no readable date
  static const int VALID_DATE;      ///< 2

  explicit VOKQELNavCalendarUI(VOKDialog* parent);
  explicit VOKQELNavCalendarUI(VOKDlgDialog* parent);
  VOKQELNavCalendarUI();
  VOKQELNavCalendarUI(VOKQELNavCalendarUI& other);
  VOKQELNavCalendarUI& operator=(const VOKQELNavCalendarUI& other);
  ~VOKQELNavCalendarUI() override;

  VOKString GetResourceFilename(int level) const override;

  /// The conversion format.
  VOKUnicodeString getDateFormat();
  /// Today written in the conversion format (the host's Thai form in a Thai
  /// setting); "" when the format is empty.
  VOKUnicodeString getDateExample();

  int validateDate(const VOKUnicodeString& text);
  unsigned char isDateValid(const VOKUnicodeString& text);
  int ConvertToVOKTime(const VOKUnicodeString& text, VOKTime& time);
  void ShowErrorDialog(const VOKString& key, VOKUnicodeString* params, int nParams);

 private:
  void initDate();

  VOKDialog* _parentDialog = nullptr;
  VOKUnicodeString _displayFormat;
  VOKUnicodeString _conversionFormat;
  int _dayOrder = 0;  ///< the three leading outputs of the host's layout query
  int _monthOrder = 0;
  int _yearOrder = 0;
};
