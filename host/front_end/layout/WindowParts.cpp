// File: WindowParts.cpp
// Which window parts a window has, and their texts.
#include "front_end/layout/WindowParts.h"

#include <vector>

#include "base_runtime/VOKMsgCatalog.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "front_end/text/VOKCellText.h"

namespace vok::window {

namespace {

bool hasStyle(const VOKDlgWindow& window, std::uint64_t bit) {
  return (window.GetStyle() & bit) != 0;
}

bool isDialog(const VOKDlgWindow& window) {
  return dynamic_cast<const VOKDlgDialog*>(&window) != nullptr;
}

// The toolkit's own texts come from its catalog, so that a language can
// name the buttons; the English words are the fallback.
std::string face(const char* key, const char* fallback) {
  std::string text(1, '[');
  text.append(Text(key, fallback)).push_back(']');
  return text;
}

}  // namespace

bool HasClose(const VOKDlgWindow& window) { return hasStyle(window, VOKDlgStyle::CloseControl); }

bool HasOK(const VOKDlgWindow& window) {
  return IsMessageBox(window) || (isDialog(window) && hasStyle(window, VOKDlgStyle::OKButton));
}

bool HasCancel(const VOKDlgWindow& window) {
  return isDialog(window) && hasStyle(window, VOKDlgStyle::CancelButton);
}

bool IsMessageBox(const VOKDlgWindow& window) {
  return dynamic_cast<const VOKDlgNotify*>(&window) != nullptr;
}

std::string TitleLead(const VOKDlgWindow& window) {
  const std::string& title = window.GetTitle().ToUtf8();
  return title.empty() ? "┌─" : "┌─ " + title + " ";
}

int TitleBarColumns(const VOKDlgWindow& window) {
  const int right = HasClose(window) ? kCloseColumns : 2;  // " x ─┐" or "─┐"
  return VOKTextColumns(TitleLead(window)) + 1 + right;
}

std::string Text(const char* key, const char* fallback, std::initializer_list<std::string> params) {
  const std::vector<VOKUnicodeString> values(params.begin(), params.end());
  return VOKMsgCatalog::BuildMessage("VOKDlgToolkit", key, values.data(),
                                     static_cast<int>(values.size()), fallback)
      .ToUtf8();
}

std::string OKFace() { return face("OK", "OK"); }

std::string CancelFace() { return face("Cancel", "Cancel"); }

}  // namespace vok::window
