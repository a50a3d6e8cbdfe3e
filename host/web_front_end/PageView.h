// File: PageView.h
// Internal to the web front end. The windows a session shows, described
// for the page as JSON, from the widget tree and the places the layout
// gave it (in cells of the screen the session was given):
//   {"size": {"w", "h"}, "status": keys line, "notice": text or "",
//    "windows": [bottom to top: {"title", "box": rect, "modal": bool,
//       "close": cell or null, "ok"/"cancel": {"label", "rect"} or null,
//       "message": [lines], "widgets": [...]}],
//    "list": null or {"box": rect, "highlighted", "lines": [{"text", "at"}]}}
// A widget: {"kind", "name", "rect", "text", "greyed", "editable" (a
// person types into it), "focus", "at"}
// where kind is button (with "icon"), label, editor, combo, spinner (with
// "up" and "down"), separator or frame; fields have "area", the rect of
// their text, and the one being typed into has "cursor" and "selected".
// "at" is the cell a click on it goes to; rects are {"x", "y", "w", "h"}.
#pragma once

#include <string>

#include "base_runtime/HostExport.h"
#include "front_end/session/VOKFrontEndScreen.h"

namespace vok::web {

VOK_HOST_API std::string DescribeView(const VOKScreenView& view, VOKCellSize screen);

}  // namespace vok::web
