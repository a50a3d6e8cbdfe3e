// File: VOKQELNavCalendarUIErrorDialog.cpp
// The blocking error box whose title and text come from catalog
// "VOKZeltSheetEditor" under a key chosen by the caller.
#include "base_runtime/VOKMsgCatalog.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "module/ModuleTrace.h"

namespace {

constexpr const char* kErrorCatalog = "VOKZeltSheetEditor";

// Shows the box and returns once the user has closed it. The box is
// released the toolkit's way, after the current notification.
void DisplayError(VOKDialog* parent, const VOKString& key, VOKUnicodeString* params, int nParams) {
  VOKDlgNotify* box = new VOKDlgNotify(parent, "Error", VOKDlgStyle::ErrorBox);
  if (box == nullptr) return;
  const VOKUnicodeString message =
      VOKMsgCatalog::BuildMessage(kErrorCatalog, key + ".Text", params, nParams, key.str().c_str());
  const VOKUnicodeString title =
      VOKMsgCatalog::BuildMessage(kErrorCatalog, key + ".Title", nullptr, 0, "Error");
  box->DisplayBlocked(message, title);
  box->RequestDelayedDestruction();
}

}  // namespace

void VOKQELNavCalendarUI::ShowErrorDialog(const VOKString& key, VOKUnicodeString* params,
                                          int nParams) {
  VOK_TRACE(vok_module::CalendarUITrace(), "VOKQELNavCalendarUI::ShowErrorDialog START");
  if (_parentDialog == nullptr) {
    VOK_TRACE(vok_module::CalendarUITrace(), "Parent Dialog is NULL");
  } else {
    DisplayError(_parentDialog, key, params, nParams);
  }
  VOK_TRACE(vok_module::CalendarUITrace(), "VOKQELNavCalendarUI::ShowErrorDialog END");
}
