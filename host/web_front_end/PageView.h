// File: PageView.h
// Internal to the web front end. The windows a session shows, described
// for the page as JSON from the widget tree; the page lays them out
// itself, line by line:
//   {"lang": the host's language, "words": the page's own words,
//    "status": keys line, "notice": text or "",
//    "windows": [bottom to top: {"title", "name", "role" (dialog or
//       alertdialog), "modal", "message": [lines], "lines": [[items]],
//       "ok"/"cancel": {"label", "at", "focus"} or null, "close": cell
//       or null}],
//    "list": null or {"combo": its name, "highlighted",
//                     "lines": [{"text", "index", "at"}]}}
// An item is a widget, {"kind", "name", "text", "label" (its name for a
// screen reader, when it has one apart from its text), "greyed",
// "editable" (a person types into it), "focus", "at"}, where kind is
// button (with "icon"), label, editor, combo (with "open" while its list
// is), spinner (with "min", "max", "up" and "down"), separator or frame;
// the field being typed into has "cursor" and "selected". A calendar's
// day grid is one item {"kind": "grid", "name", "heading" (the month and
// year shown), "columns": [{"text", "label": the weekday's full name}],
// "rows": [[day or null]]}, a day being a widget of kind "day" with
// "label" (its full date), "chosen" and "today". "at" is the cell a click
// on the item goes to, on the screen the session lays the windows out on.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "front_end/session/VOKFrontEndScreen.h"
#include "web_front_end/WebFrontEndExport.h"

namespace vok::web {

VOK_WEB_FRONTEND_API nlohmann::json DescribeViewJson(const VOKScreenView& view);
VOK_WEB_FRONTEND_API std::string DescribeView(const VOKScreenView& view);

}  // namespace vok::web
