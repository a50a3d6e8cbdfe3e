// File: VOKDateText.h
// Date text of one locale as a value: the shape typed dates must have, the
// format dates are written with, and the judgement and reading of text.
#pragma once

#include "base_runtime/CalendarSystem.h"
#include "base_runtime/DateLayoutShape.h"
#include "base_runtime/HostExport.h"
#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"

/// The texts that stand for day, month and year in a date layout, e.g.
/// "dd", "mm" and "yyyy".
struct VOKDatePlaceholderTexts {
  /// The day's placeholder.
  VOKUnicodeString day;
  /// The month's placeholder.
  VOKUnicodeString month;
  /// The year's placeholder.
  VOKUnicodeString year;
};

/// The conversion format of a layout for VOKTime::ConvertToString: every
/// year placeholder replaced by "%Y" (a placeholder of more than 2
/// characters) or "%y", then every month placeholder by "%m", then every
/// day placeholder by "%d". "dd.mm.yyyy" gives "%d.%m.%Y".
VOK_HOST_API VOKUnicodeString VOKConversionFormat(VOKUnicodeString layout,
                                                  const VOKDatePlaceholderTexts& placeholders);

/// The date text of one locale, made from an explicit HostLocale and
/// independent of the host's current one afterwards: its display format
/// (what typed text must look like, e.g. "mm/dd/yyyy"), its conversion
/// format (the same in VOKTime::ConvertToString codes, e.g. "%m/%d/%Y"),
/// and the judgement and reading of typed text with the locale's layout,
/// digits and calendar. Copies are independent values.
class VOK_HOST_API VOKDateText {
 public:
  /// What a text is: not of the display format's shape (the empty text
  /// among them), of its shape but no date, or a date.
  enum class Verdict { InvalidFormat = 0, InvalidValue = 1, ValidDate = 2 };

  /// Empty formats: every text is InvalidFormat.
  VOKDateText() = default;
  /// The locale's date layout without its decoration ("[", "~", "]" and
  /// blanks) as the display format, and the conversion format made from it
  /// with the locale's placeholders.
  explicit VOKDateText(const vok::HostLocale& locale);
  /// layout (already without decoration) as the display format, and the
  /// conversion format made from it with placeholders; texts are read with
  /// the locale's layout, digits and calendar.
  VOKDateText(const vok::HostLocale& locale, const VOKUnicodeString& layout,
              const VOKDatePlaceholderTexts& placeholders);

  /// A copy that judges texts against shape instead; the conversion format
  /// and the reading stay.
  VOKDateText WithDisplayFormat(const VOKUnicodeString& shape) const;

  /// The shape typed text must have, e.g. "mm/dd/yyyy".
  const VOKUnicodeString& DisplayFormat() const { return _displayFormat; }
  /// The format dates are written with, e.g. "%m/%d/%Y".
  const VOKUnicodeString& ConversionFormat() const { return _conversionFormat; }

  /// InvalidFormat unless text has as many characters as the display
  /// format and each is the display format's character at its place or a
  /// decimal digit of any script; then ValidDate when the locale's layout
  /// reads a calendar date from it (ASCII digits, Thai ones too in the
  /// Thai setting), else InvalidValue.
  Verdict Judge(const VOKUnicodeString& text) const;
  /// Judge, and for ValidDate date is set to that day at 00:00:00; for
  /// the other verdicts date keeps its value.
  Verdict Read(const VOKUnicodeString& text, VOKTime& date) const;
  /// date written in the conversion format (Gregorian years).
  VOKUnicodeString Write(const VOKTime& date) const;

  /// text with its four-digit year as the locale shows it (the Buddhist
  /// era in the Thai setting that shows it), in the digits it was typed
  /// with; a text without a four-digit year comes back unchanged.
  VOKUnicodeString Shown(const VOKUnicodeString& text) const;
  /// text with its four-digit year made Gregorian (a year from 1900 of the
  /// locale's era on is an era year), in the digits it was typed with.
  VOKUnicodeString Gregorian(const VOKUnicodeString& text) const;

 private:
  VOKUnicodeString _displayFormat;
  VOKUnicodeString _conversionFormat;
  vok::DateLayoutShape _layout;
  vok::CalendarSystem _calendar;
};
