// File: DemoSearchFormSearch.cpp
// The Search button: both fields judged, the result line written.
#include <string>

#include "DemoSearchForm.h"
#include "DemoText.h"

namespace vok_demo {

DemoSearchForm::Field DemoSearchForm::ReadField(const VOKUnicodeString& text) const {
  if (text.IsEmpty()) return {true, std::nullopt};
  const std::optional<VOKTime> date = _checker.Read(text);
  if (!date) _checker.ShowInvalid(text);
  return {date.has_value(), date};
}

VOKUnicodeString DemoSearchForm::Limit(const std::optional<VOKTime>& date) const {
  if (!date) return DemoText("NoLimit");
  return VOKUnicodeString(std::to_string(date->Gettime_t()));
}

// The first field that is no date stops the search with its error box;
// the result line keeps what it showed.
void DemoSearchForm::Search(VOKCommand*, VOKNotification*, void*) {
  const Field after = ReadField(_createdAfter != nullptr ? _createdAfter->GetText() : "");
  if (!after.valid) return;
  VOKUnicodeString beforeText;
  if (_modifiedBefore != nullptr) _modifiedBefore->GetField(beforeText);
  const Field before = ReadField(beforeText);
  if (!before.valid || _result == nullptr) return;
  _result->SetTitle(DemoText("Result", {Limit(after.date), Limit(before.date)}));
}

}  // namespace vok_demo
