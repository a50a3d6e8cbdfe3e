// File: VOKWidgetDescription.h
// A widget as a page describes it, independent of how the page is written
// down: the web front end turns it into JSON.
#pragma once

#include <optional>
#include <string>

#include "dialog_toolkit/VOKDialog.h"
#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKCellRect.h"

struct VOKWidgetDescription {
  // "button", "combo", "spinner", "editor", "separator", "frame" or "label".
  std::string kind;
  // What it says: a field's text, else its title.
  std::string text;
  bool greyed = false;               // insensitive itself or inside an insensitive container
  bool editable = false;             // a person types text into it
  std::optional<bool> icon;          // buttons: drawn as an icon
  std::optional<std::string> label;  // an icon button's name
  std::optional<float> minimum;      // spinners: the range
  std::optional<float> maximum;
  std::optional<VOKCellPoint> up;  // spinners: the cells of their arrows
  std::optional<VOKCellPoint> down;
};

// The description of a widget laid out at rect.
VOK_FRONTEND_API VOKWidgetDescription VOKDescribeWidget(const VOKDialog& widget,
                                                        const VOKCellRect& rect);
