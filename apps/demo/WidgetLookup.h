// File: WidgetLookup.h
// Finding the widget a script line names inside one window, as the person
// looking at that window would: windows opened from it (calendars, message
// boxes) are not searched.
#pragma once

#include <string>

#include "dialog_toolkit/VOKDialog.h"
#include "dialog_toolkit/VOKDlgPushButton.h"

namespace vok_demo {

// The first widget of that name in the window, or null.
VOKDialog* FindWidget(VOKDialog& window, const std::string& name);

// A shown push button whose label is text, else the button of that name;
// null when there is neither.
VOKDlgPushButton* FindButton(VOKDialog& window, const std::string& text);

// How messages name a window: its title, or its name when it has none.
std::string WindowLabel(const VOKDialog& window);

}  // namespace vok_demo
