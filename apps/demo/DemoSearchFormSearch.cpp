// File: DemoSearchFormSearch.cpp
// The Search button: both fields judged, the result line written.
#include <string>

#include "demo/DemoSearchForm.h"
#include "demo/DemoText.h"

namespace vok_demo {

VOKUnicodeString DemoSearchForm::Limit(const std::optional<VOKTime>& date) const {
  if (!date) return DemoText("NoLimit");
  return VOKUnicodeString(std::to_string(date->Gettime_t()));
}

// A field that is no date stops the search: the result line says which
// field it is (no earlier result stays there), the error box shows the
// text, and the focus goes back to the field.
std::optional<DemoSearchForm::Field> DemoSearchForm::ReadField(VOKDialog* field,
                                                               const VOKUnicodeString& text,
                                                               const char* labelKey) {
  if (text.IsEmpty()) return Field{};
  std::optional<VOKTime> date = _checker.Read(text);
  if (date) return Field{date};
  if (_result != nullptr) _result->SetTitle(DemoText("Result.NotADate", {DemoText(labelKey)}));
  _checker.ShowInvalid(text);
  RequestFocus(field);
  return std::nullopt;
}

void DemoSearchForm::Search(VOKCommand*, VOKNotification*, void*) {
  const auto after = ReadField(
      _createdAfter, _createdAfter != nullptr ? _createdAfter->GetText() : "", "CreatedAfter");
  if (!after) return;
  VOKUnicodeString beforeText;
  if (_modifiedBefore != nullptr) _modifiedBefore->GetField(beforeText);
  const auto before = ReadField(_modifiedBefore, beforeText, "ModifiedBefore");
  if (!before || _result == nullptr) return;
  _result->SetTitle(DemoText("Result", {Limit(after->date), Limit(before->date)}));
}

}  // namespace vok_demo
