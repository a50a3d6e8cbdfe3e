// File: VOKImmDate.h
// Locale and Thai-calendar date help of the host's services.
#pragma once

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"

/// The host's date reading and Thai-calendar help: reads date text in the
/// locale's layout, tells whether the host is in a Thai setting, gives the
/// layout, and rewrites Buddhist-era date text to Gregorian.
class VOK_HOST_API VOKImmDate {
 public:
  /// Reads a date written in the locale's layout (GetLocalDate's format with
  /// its decoration removed) with digits in place of the placeholders: each
  /// placeholder takes 1 up to as many digits as it has characters (a year
  /// placeholder of 3 or more characters takes exactly 4; of 1 or 2, exactly
  /// 2, read as 19xx from 70 up and 20xx below), every other character must
  /// match. Digits are ASCII ones, and in a Thai setting Thai ones (U+0E50 to
  /// U+0E59) too. _time is that day at 00:00:00, or holds -1 (Gettime_t) when the
  /// text does not fit the layout or is no real calendar date.
  explicit VOKImmDate(const VOKUnicodeString& text);
  /// Nothing to release.
  virtual ~VOKImmDate();

  /// The date read, or VOKTime::Invalid.
  VOKTime _time{VOKTime::Invalid};

  /// 1 in a Thai setting (see VOKHostSettings).
  static unsigned char IsThisThai();

  /// format receives the locale's date layout written with the catalog's
  /// placeholders (Day.Title, Month.Title, Year.Title of catalog
  /// "VOKImmDate"), possibly decorated with "[", "~", "]" and blanks; "" when
  /// the layout is unknown. The three ints receive the positions (1 to 3) of
  /// day, month and year in the layout, 0 when absent. Every pointer may be
  /// null; the last five are not written.
  static void GetLocalDate(int& dayOrder, int& monthOrder, int& yearOrder, VOKUnicodeString* format,
                           int*, int*, int*, int*, VOKUnicodeString*);

  /// In a Thai setting:
  /// - always: year receives, in decimal, the year the host shows for today
  ///   (Buddhist era when the setting shows it, else Gregorian);
  /// - text not empty: text is rewritten to its Gregorian form (a year of
  ///   2443 or more at the layout's year place is a Buddhist-era year and
  ///   loses the era's offset) and shown receives the form the host
  ///   displays (Gregorian years gain it when the setting shows the
  ///   Buddhist era).
  /// Digits are those VOKImmDate reads; the rewritten year is written in
  /// the digits it was typed with. A text whose shape does not fit the layout has its first
  /// run of exactly four digits taken for the year; a text without a four-digit year (a
  /// two-digit one among them) is left as it is and copied to shown. time is
  /// the date the text stands for, or the value 0 when unknown; it is not
  /// otherwise used.
  static void GetThaiReferenceDate(VOKUnicodeString& text, VOKTime time, VOKUnicodeString& shown,
                                   VOKUnicodeString& year);
};
