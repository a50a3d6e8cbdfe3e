// File: WindowParts.h
// Internal to the front end. The parts of a window around its content,
// shared by the layout (their room) and the painter (their look):
//   ┌─ Title ──────── x ─┐
//   │ content            │
//   │       [OK] [Cancel]│
//   └────────────────────┘
#pragma once

#include <initializer_list>
#include <string>

#include "base_runtime/HostExport.h"
#include "dialog_toolkit/VOKDlgWindow.h"

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
VOK_HOST_API bool IsMessageBox(const VOKDlgWindow& window);

// "┌─ Title " (or "┌─" without a title).
std::string TitleLead(const VOKDlgWindow& window);
// Columns the top border needs at least.
int TitleBarColumns(const VOKDlgWindow& window);

// A text of the toolkit's catalog ("VOKDlgToolkit"), its parameters in
// the places %1, %2...; the English fallback when the catalog lacks it.
VOK_HOST_API std::string Text(const char* key, const char* fallback,
                              std::initializer_list<std::string> params = {});

// The words of a window's own buttons, from the toolkit's catalog.
VOK_HOST_API std::string OKLabel();
VOK_HOST_API std::string CancelLabel();
// "[OK]" and "[Cancel]".
std::string OKFace();
std::string CancelFace();

}  // namespace vok::window
