// File: PlainKind.cpp
// Widgets that only show their title: labels, and widgets of no kind the
// front ends know.
#include "front_end/kinds/WidgetKind.h"
#include "front_end/paint/PaintWidgets.h"
#include "front_end/text/VOKCellText.h"

namespace vok::kinds {

namespace {

class Label : public WidgetKind {
 public:
  bool IsLabel() const override { return true; }
};

}  // namespace

VOKCellSize WidgetKind::Natural(const VOKDialog& widget) const {
  const int title = VOKTextColumns(widget.GetTitle().ToUtf8());
  return {title, title > 0 ? 1 : 0};
}

void WidgetKind::Paint(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) const {
  if (rect.height > 0 && !widget.GetTitle().IsEmpty()) {
    paint::Centred(canvas, rect, widget.GetTitle().ToUtf8(),
                   paint::RoleOr(widget, VOKCellRole::Label));
  }
}

VOKWidgetDescription WidgetKind::Describe(const VOKDialog& widget,
                                          const VOKCellRect& /*rect*/) const {
  VOKWidgetDescription description;
  description.kind = _pageKind;
  description.text = Text(widget);
  return description;
}

std::string WidgetKind::Text(const VOKDialog& widget) const { return widget.GetTitle().ToUtf8(); }

const WidgetKind& PlainKind() { return One<WidgetKind>(); }

const WidgetKind& LabelKind() { return One<Label>(); }

}  // namespace vok::kinds
