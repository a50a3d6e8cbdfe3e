// File: WindowParts.h
// Internal to the front end. The parts of a window around its content,
// shared by the layout (their room) and the painter (their look):
//   ┌─ Title ──────── x ─┐
//   │ content            │
//   │       [OK] [Cancel]│
//   └────────────────────┘
#pragma once

#include <string>

#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/layout/VOKToolkitText.h"

namespace vok::window {

// Columns between the border and the content, on each side.
inline constexpr int kPadding = 1;
inline constexpr const char* kCloseMark = " x ─┐";
inline constexpr int kCloseColumns = 5;
// The clickable " x " of the close mark, counted from the right border.
inline constexpr int kCloseFromRight = 5;
inline constexpr int kCloseWidth = 3;

bool HasClose(const VOKDlgWindow& window);
bool HasOK(const VOKDlgWindow& window);
bool HasCancel(const VOKDlgWindow& window);

// "┌─ Title " (or "┌─" without a title).
std::string TitleLead(const VOKDlgWindow& window);
// Columns the top border needs at least.
int TitleBarColumns(const VOKDlgWindow& window);

// "[OK]" and "[Cancel]".
std::string OKFace();
std::string CancelFace();

}  // namespace vok::window
