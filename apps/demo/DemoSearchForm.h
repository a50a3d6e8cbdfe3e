// File: DemoSearchForm.h
// The example host's "Find documents" form:
//
//   Created after     [editor          ][cal]   a date entry frame
//   Modified before   [recent dates   v][cal]   a combo and its date
//   Dates are typed as mm/dd/yyyy    [Search]   combo-button frame
//   <result>
//
// Search checks both fields; an empty field sets no limit, text that is no
// date brings up the error box, names the field on the result line and
// gives it the focus back; otherwise the result line shows the two dates
// as time values (seconds since 1970-01-01). Closing the form
// hides it. The widgets belong to the form's tree; the names scripts use
// are "_calEditor" and "_calButton" (the entry frame's), "RecentDates",
// "ModifiedBefore_Frame" (the combo's calendar button) and "Search".
#pragma once

#include <optional>

#include "demo/DateFieldChecker.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgPushButton.h"

namespace vok_demo {

class DemoSearchForm : public VOKDlgDialog {
 public:
  DemoSearchForm();
  DemoSearchForm(const DemoSearchForm&) = delete;
  DemoSearchForm& operator=(const DemoSearchForm&) = delete;
  ~DemoSearchForm() override;

  void Search(VOKCommand* sender, VOKNotification* notification, void* data);
  void CloseForm(VOKCommand* sender, VOKNotification* notification, void* data);

 private:
  struct Field {
    std::optional<VOKTime> date;  // none: no limit
  };

  void BuildCreatedAfter(VOKDlgFrame& grid);
  void BuildModifiedBefore(VOKDlgFrame& grid);
  void BuildSearchRow(VOKDlgFrame& grid);
  void FillRecentDates();
  // The field's date; nullopt when its text is no date (told to the user).
  std::optional<Field> ReadField(VOKDialog* field, const VOKUnicodeString& text,
                                 const char* labelKey);
  VOKUnicodeString Limit(const std::optional<VOKTime>& date) const;

  DateFieldChecker _checker;
  VOKDlgEditor* _createdAfter = nullptr;  // the entry frame's editor
  VOKDlgCombo* _modifiedBefore = nullptr;
  VOKDlgLabel* _result = nullptr;
};

}  // namespace vok_demo
