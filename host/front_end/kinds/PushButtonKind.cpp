// File: PushButtonKind.cpp
// Push buttons: "[title]", "›title‹" when insensitive (the chosen day of a
// calendar), today's day with doubled marks, "▦" for an icon.
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/VOKCalendarDays.h"
#include "front_end/layout/VOKToolkitText.h"
#include "front_end/paint/PaintWidgets.h"
#include "front_end/text/VOKCellText.h"

namespace vok::kinds {

namespace {

constexpr const char* kIcon = "▦";
constexpr int kBrackets = 2;

bool hasIcon(const VOKDialog& button) { return !button.GetIconName().str().empty(); }

// The name a screen reader gives a button drawn as an icon: its short
// help, else what the catalog calls the icon.
std::string iconName(const VOKDialog& button) {
  std::string help = button.GetShortHelp().ToUtf8();
  if (!help.empty()) return help;
  const std::string icon = button.GetIconName().str();
  return window::Text(("Icon." + icon).c_str(), icon.c_str());
}

class PushButton : public WidgetKind {
 public:
  PushButton() : WidgetKind("button") {}

  VOKCellSize Natural(const VOKDialog& button) const override {
    if (hasIcon(button)) return {1, 1};
    return {VOKTextColumns(button.GetTitle().ToUtf8()) + kBrackets, 1};
  }

  void Paint(VOKCanvas& canvas, const VOKDialog& button, const VOKCellRect& rect) const override {
    const VOKCellRole role = paint::RoleOr(button, VOKCellRole::Button);
    if (hasIcon(button)) return paint::Centred(canvas, rect, kIcon, role);
    // The chosen (greyed) button points inwards; today's day doubles its marks.
    const bool greyed = role == VOKCellRole::Greyed;
    const bool today = calendar::IsToday(button);
    canvas.Text(rect.x, rect.y, greyed ? (today ? "»" : "›") : (today ? "«" : "["), 1, role);
    canvas.Text(rect.Right() - 1, rect.y, greyed ? (today ? "«" : "‹") : (today ? "»" : "]"), 1,
                role);
    paint::Centred(canvas, {rect.x + 1, rect.y, rect.width - 2, 1}, button.GetTitle().ToUtf8(),
                   role);
  }

  VOKWidgetDescription Describe(const VOKDialog& button, const VOKCellRect& rect) const override {
    VOKWidgetDescription description = WidgetKind::Describe(button, rect);
    description.icon = hasIcon(button);
    if (*description.icon) description.label = iconName(button);
    return description;
  }

  bool Interactive() const override { return true; }
  bool IsButton() const override { return true; }

  bool Press(VOKDialog& button) const override {
    VOKDlgUser::Press(static_cast<VOKDlgPushButton*>(&button));
    return true;
  }
};

}  // namespace

const WidgetKind& PushButtonKind() { return One<PushButton>(); }

}  // namespace vok::kinds
