// File: BenchHost.h
// The host as every benchmark finds it, and the few steps a host takes to
// open and release a calendar.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base_runtime/VOKTime.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgFrame.h"

namespace vok_bench {

// English (en_US) outside a Thai setting, today fixed to 15 June 2025,
// message boxes answered at once, every trace switch off.
void PrepareHost();

// The day every calendar is set to.
VOKTime PickedDate();

// Message boxes answered since the program started.
int BoxesShown();

// While it lives, the host's settings come from the environment: LANG is
// the given value, LC_ALL and LC_TIME are unset and no test override is
// set. Afterwards the environment and PrepareHost's settings are back.
class EnvironmentLocale {
 public:
  explicit EnvironmentLocale(const char* lang);
  ~EnvironmentLocale();
  EnvironmentLocale(const EnvironmentLocale&) = delete;
  EnvironmentLocale& operator=(const EnvironmentLocale&) = delete;

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> _saved;
};

// A shown search form of the host with a frame inside; released with the
// object.
class HostWindow {
 public:
  HostWindow();
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  VOKDlgDialog* dialog() const { return _dialog; }
  VOKDlgFrame* frame() const { return _frame; }

 private:
  VOKDlgDialog* _dialog;
  VOKDlgFrame* _frame;
};

// Constructs a calendar under parent, sets the picked date and shows it;
// null if the toolkit refused to create it.
VOKQELNavCalendarUI* OpenCalendar(VOKDialog* parent);
// Hides the calendar and has the toolkit destroy it, as a frame does.
void ReleaseCalendar(VOKQELNavCalendarUI* calendar);

// The widget of that name below root, as the class the caller expects.
template <class Widget>
Widget* Find(const VOKDialog* root, const char* name) {
  return static_cast<Widget*>(root->FindDescendant(name));
}

}  // namespace vok_bench
