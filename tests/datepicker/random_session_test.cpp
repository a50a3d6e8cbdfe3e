// Long random sessions at an entry frame and a combo-button frame: typing
// dates into the fields, opening several calendars at once, pressing days,
// choosing months, typing and stepping years (out of range and junk
// included), answering with OK, Cancel or the close control. After every
// step each open calendar obeys the calendar rules and shows the model's
// date, the fields hold the model's texts, whenever no calendar is open
// the toolkit holds the objects and callbacks it held before the first one,
// and at the end nothing is left behind.
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "datepicker/calendar_test_support.h"

using namespace calendar_test;

namespace {

constexpr int kSteps = 2000;
constexpr unsigned kSeeds[] = {20261204u, 7u, 424242u};
constexpr int kMostOpen = 4;
constexpr int kBuddhistEraOffset = 543;

struct Date {
  int year;  // as the spinner shows it
  int month;
  int day;
};

// As calendar_test::Shown writes it.
std::string ToText(const Date& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

struct Setting {
  bool thai;
  const char* layout;
  int lowest, highest;  // shown years
  int today;            // today's year, shown
  int fallBack;         // what a refused year becomes: today's, cut from the Gregorian
                        // example date, unless that is itself refused
  int offset;           // shown year minus Gregorian year
};

const Setting kGregorian = {false, "mm/dd/yyyy", 1970, 2038, 2026, 2026, 0};
const Setting kThai = {true, "dd/mm/yyyy", 2513, 2581, 2569, 2513, kBuddhistEraOffset};

// Text in a field and, when it is a date, the date it stands for.
struct FieldText {
  std::string text;
  bool isDate = false;
  int gregorianYear = 0, month = 0, day = 0;
};

struct OpenCalendar {
  VOKQELNavCalendarUI* calendar;
  bool fromCombo;
  Date expected;
};

class Session {
 public:
  Session(const Setting& setting, unsigned seed, std::vector<ShownBox>& boxes)
      : _setting(setting), _random(seed), _boxes(boxes) {
    _host = new VOKDlgDialog(nullptr, "Host", 0);
    _host->SetVisibility(VOKDlgVisibility::Shown);
    auto* father = new VOKDlgFrame(_host, "Father", VOKDlgStyle::GridLayout | VOKDlgStyle::Placed);
    _entry = new VOKQELNavDateEntryFrame(_host, father, "DateEntry");
    _combo = new VOKDlgCombo(father, "DateCombo",
                             VOKDlgStyle::Editable | VOKDlgStyle::FreeText | VOKDlgStyle::Placed);
    _comboFrame = new VOKQELNavDateComboButtonFrame(father, "DateComboButton", _combo);
    _closedCounts = Counts();
  }
  ~Session() {
    VOKCommand::FlushDelayedDestructions();
    delete _host;
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Plays steps; stops at the first broken rule, reported as a failure.
  void Play(int steps) {
    for (int step = 0; step < steps; ++step) {
      const std::string action = Act();
      if (!Check()) {
        ADD_FAILURE() << "step " << step << " (" << action << "): " << _problem;
        return;
      }
    }
    while (!_open.empty()) Answer(_open.size() - 1);
    if (!Check()) ADD_FAILURE() << "closing: " << _problem;
  }

 private:
  int Pick(int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(_random);
  }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }

  std::string Act() {
    const int roll = Pick(1, 100);
    if (_open.empty() || (roll <= 14 && static_cast<int>(_open.size()) < kMostOpen)) {
      return Open(Chance(50));
    }
    if (roll <= 24) return Chance(50) ? TypeInto(_entryText, false) : TypeInto(_comboText, true);
    const std::size_t index = Pick(0, static_cast<int>(_open.size()) - 1);
    if (roll <= 45) return PressDay(index);
    if (roll <= 60) return ChooseMonth(index);
    if (roll <= 75) return TypeYear(index);
    if (roll <= 90) return StepYear(index, Chance(50) ? 1 : -1);
    return Answer(index);
  }

  // A date in the layout, a date no calendar has, a shapeless text, or nothing.
  FieldText RandomFieldText() {
    FieldText field;
    const int kind = Pick(1, 10);
    if (kind <= 6) {
      field.gregorianYear = Pick(1950, 2060);
      field.month = Pick(1, 12);
      field.day = Pick(1, DaysInMonth(field.gregorianYear, field.month));
      field.isDate = true;
      const bool buddhistEra = _setting.thai && Chance(50);
      field.text = Written(field.day, field.month,
                           field.gregorianYear + (buddhistEra ? kBuddhistEraOffset : 0));
    } else if (kind <= 8) {
      const int month = Pick(1, 12);
      field.text = Written(DaysInMonth(2023, month) + Pick(1, 3), month, 2023);
    } else {
      const char* const junk[] = {"",           "1/2/21",     "12-25-2024", "tomorrow",
                                  "00/00/0000", "2024/12/25", " 12/25/2024"};
      field.text = junk[Pick(0, 6)];
    }
    return field;
  }

  std::string Written(int day, int month, int year) const {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", _setting.thai ? day : month,
                  _setting.thai ? month : day, year);
    return text;
  }

  std::string TypeInto(FieldText& field, bool combo) {
    field = RandomFieldText();
    const bool typed = combo ? VOKDlgUser::Type(_combo, field.text.c_str())
                             : VOKDlgUser::Type(_entry->getEditor(), field.text.c_str());
    if (!typed) _problem = "the field took no text";
    return "type \"" + field.text + "\" into the " + (combo ? "combo" : "editor");
  }

  // A calendar opens on the field's date, with today's year when its year
  // is out of bounds; on any other text it shows today.
  Date OpeningDate(const FieldText& field) const {
    if (!field.isDate) return {_setting.today, 12, 4};
    Date date{field.gregorianYear + _setting.offset, field.month, field.day};
    if (date.year < _setting.lowest || date.year > _setting.highest) date.year = _setting.today;
    return Clipped(date);
  }

  Date Clipped(Date date) const {
    date.day = std::min(date.day, DaysInMonth(date.year - _setting.offset, date.month));
    return date;
  }

  std::string Open(bool fromCombo) {
    const VOKDialog& frame = fromCombo ? static_cast<const VOKDialog&>(*_comboFrame) : *_entry;
    VOKDlgPushButton* button = fromCombo
                                   ? Find<VOKDlgPushButton>(*_comboFrame, "DateComboButton_Frame")
                                   : _entry->getButton();
    const FieldText& field = fromCombo ? _comboText : _entryText;
    std::string action = std::string("open the ") + (fromCombo ? "combo" : "entry") +
                         " frame's calendar on \"" + field.text + "\"";
    const std::size_t before = CalendarsUnder(frame).size();
    if (!VOKDlgUser::Press(button)) _problem = "the calendar button could not be pressed";
    const std::vector<VOKQELNavCalendarUI*> after = CalendarsUnder(frame);
    if (after.size() != before + 1)
      _problem = "no new calendar";
    else
      _open.push_back({after.back(), fromCombo, OpeningDate(field)});
    return action;
  }

  // A day button anywhere in the grid: only a shown, unmarked one answers.
  std::string PressDay(std::size_t index) {
    OpenCalendar& open = _open[index];
    const int cell = Pick(1, 37);
    auto* button = dynamic_cast<VOKDlgPushButton*>(
        open.calendar->FindDescendant("DayFrame")->GetChild(std::to_string(cell).c_str()));
    const bool usable = button->GetVisibility() == VOKDlgVisibility::Shown &&
                        button->GetSensitivity() == VOKDlgSensitivity::Usable;
    const std::string title = button->GetTitle().ToUtf8();
    if (VOKDlgUser::Press(button) != usable) _problem = "a day button answered wrongly";
    if (usable) open.expected.day = std::stoi(title);
    return "press button " + std::to_string(cell) +
           (usable ? " (day " + title + ")" : " (unusable)");
  }

  std::string ChooseMonth(std::size_t index) {
    OpenCalendar& open = _open[index];
    const int month = Pick(1, 12);
    if (!calendar_test::ChooseMonth(*open.calendar, month)) _problem = "no month chosen";
    open.expected.month = month;
    open.expected = Clipped(open.expected);
    return "choose month " + std::to_string(month);
  }

  // A year in bounds, perhaps with blanks around it; a number out of
  // bounds; or text that is no year.
  std::string TypeYear(std::size_t index) {
    OpenCalendar& open = _open[index];
    std::string text;
    const int kind = Pick(1, 10);
    if (kind <= 5) {
      const char* const around[] = {"%d", " %d", "%d ", "  %d  "};
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, around[Pick(0, 3)],
                    Pick(_setting.lowest, _setting.highest));
      text = buffer;
    } else if (kind <= 8) {
      const int gregorianToday = _setting.today - _setting.offset;
      const int outside[] = {_setting.lowest - 1,
                             _setting.highest + 1,
                             0,
                             -2024,
                             99999,
                             gregorianToday == _setting.today ? 1900 : gregorianToday};
      text = std::to_string(outside[Pick(0, 5)]);
    } else {
      const char* const junk[] = {
          "", "abc", "20x4", "2024x", "~2030~", "[2030]", "\xd9\xa2\xd9\xa0"};  // Arabic-Indic 20
      text = junk[Pick(0, 6)];
    }
    if (!calendar_test::TypeYear(*open.calendar, text.c_str()))
      _problem = "the spinner took no text";
    const bool valid = kind <= 5;
    ExpectYear(open, valid ? std::stoi(text) : _setting.fallBack, !valid);
    return "type year \"" + text + "\"";
  }

  std::string StepYear(std::size_t index, int delta) {
    OpenCalendar& open = _open[index];
    auto* spinner = Find<VOKDlgSpinner>(*open.calendar, "YearSpinner");
    if (!(delta > 0 ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner))) {
      _problem = "the spinner could not be stepped";
    }
    const int year = open.expected.year + delta;
    const bool valid = year >= _setting.lowest && year <= _setting.highest;
    ExpectYear(open, valid ? year : _setting.fallBack, !valid);
    return std::string("step the year ") + (delta > 0 ? "up" : "down");
  }

  // A refused year brings up one error box over the calendar.
  void ExpectYear(OpenCalendar& open, int year, bool refused) {
    open.expected.year = year;
    open.expected = Clipped(open.expected);
    if (!refused) return;
    ++_expectedBoxes;
    if (_boxes.size() == _expectedBoxes && _boxes.back().parent != open.calendar) {
      _problem = "the error box is not the calendar's";
    }
  }

  // OK writes the date into the calendar's field; Cancel and close leave it.
  std::string Answer(std::size_t index) {
    const OpenCalendar open = _open[index];
    _open.erase(_open.begin() + static_cast<std::ptrdiff_t>(index));
    const int answer = Pick(1, 3);
    bool answered;
    if (answer == 1) {
      answered = VOKDlgUser::PressOK(open.calendar);
      const Date& picked = open.expected;
      (open.fromCombo ? _comboText : _entryText) = {Written(picked.day, picked.month, picked.year),
                                                    true, picked.year - _setting.offset,
                                                    picked.month, picked.day};
    } else {
      answered =
          answer == 2 ? VOKDlgUser::PressCancel(open.calendar) : VOKDlgUser::Close(open.calendar);
    }
    if (!answered) _problem = "the calendar could not be answered";
    const char* const names[] = {"OK", "Cancel", "close"};
    return std::string(names[answer - 1]) + " in the " + (open.fromCombo ? "combo" : "entry") +
           " frame's calendar";
  }

  static std::string Counts() {
    return std::to_string(VOKBaseUnknown::LiveObjects()) + " objects, " +
           std::to_string(VOKCommand::RegisteredCallbacks()) + " callbacks";
  }

  bool Check() {
    if (!_problem.empty()) return false;
    if (_open.empty() && Counts() != _closedCounts) {
      _problem = "with no calendar open: " + Counts() + ", at the start " + _closedCounts;
      return false;
    }
    VOKUnicodeString comboText;
    _combo->GetField(comboText);
    if (_boxes.size() != _expectedBoxes) {
      _problem = std::to_string(_boxes.size()) + " error boxes, expected " +
                 std::to_string(_expectedBoxes);
    } else if (_entry->getEditor()->GetText().ToUtf8() != _entryText.text) {
      _problem = "editor holds \"" + _entry->getEditor()->GetText().ToUtf8() + "\"";
    } else if (comboText.ToUtf8() != _comboText.text) {
      _problem = "combo field holds \"" + comboText.ToUtf8() + "\"";
    }
    for (const OpenCalendar& open : _open) {
      if (!_problem.empty()) break;
      const std::string shown = Shown(*open.calendar);
      if (shown != ToText(open.expected)) {
        _problem = "calendar shows " + shown + ", expected " + ToText(open.expected);
      }
    }
    return _problem.empty();
  }

  const Setting& _setting;
  std::mt19937 _random;
  std::vector<ShownBox>& _boxes;
  std::size_t _expectedBoxes = 0;
  VOKDlgDialog* _host;
  VOKQELNavDateEntryFrame* _entry;
  VOKDlgCombo* _combo;
  VOKQELNavDateComboButtonFrame* _comboFrame;
  FieldText _entryText, _comboText;
  std::vector<OpenCalendar> _open;
  std::string _problem;
  std::string _closedCounts;
};

class RandomSessionTest : public CalendarFixture, public ::testing::WithParamInterface<Setting> {
 protected:
  void SetUp() override {
    CalendarFixture::SetUp();
    VOKHostSettings::SetThai(GetParam().thai, true);
    UseLayout(GetParam().layout);
  }
};

TEST_P(RandomSessionTest, EveryStepShowsAConsistentDateAndNothingIsLeftBehind) {
  for (unsigned seed : kSeeds) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const long liveObjects = VOKBaseUnknown::LiveObjects();
    const std::size_t callbacks = VOKCommand::RegisteredCallbacks();
    boxes.clear();
    Session(GetParam(), seed, boxes).Play(kSteps);
    VOKCommand::FlushDelayedDestructions();
    EXPECT_EQ(liveObjects, VOKBaseUnknown::LiveObjects());
    EXPECT_EQ(callbacks, VOKCommand::RegisteredCallbacks());
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Settings, RandomSessionTest, ::testing::Values(kGregorian, kThai),
                         [](const ::testing::TestParamInfo<Setting>& param) {
                           return std::string(param.param.thai ? "ThaiBuddhistEra" : "Gregorian");
                         });

}  // namespace
