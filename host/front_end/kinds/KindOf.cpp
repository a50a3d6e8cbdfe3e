// File: KindOf.cpp
// The table of kinds by toolkit class name, filled once, and a cache by
// C++ type so that a widget's kind costs a short search after its first.
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base_runtime/VOKMetaClass.h"
#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

namespace {

using Table = std::unordered_map<std::string_view, const WidgetKind*>;

const Table& byClassName() {
  static const Table table{
      {"VOKDialog", &PlainKind()},
      {"VOKDlgLabel", &LabelKind()},
      {"VOKDlgPushButton", &PushButtonKind()},
      {"VOKDlgCombo", &ComboKind()},
      {"VOKDlgSpinner", &SpinnerKind()},
      {"VOKDlgEditor", &EditorKind()},
      {"VOKDlgSeparator", &SeparatorKind()},
      {"VOKDlgFrame", &FrameKind()},
      {"VOKDlgWindow", &WindowKind()},
      {"VOKDlgDialog", &DialogKind()},
      {"VOKDlgNotify", &MessageBoxKind()},
  };
  return table;
}

const WidgetKind& byClassChain(const VOKDialog& widget) {
  const Table& table = byClassName();
  for (const VOKMetaClass* meta = widget.GetMetaObject(); meta != nullptr; meta = meta->GetBase()) {
    if (auto kind = table.find(meta->GetClassName()); kind != table.end()) return *kind->second;
  }
  return PlainKind();
}

}  // namespace

// A class's chain does not change, so its kind is found once per type.
// The types are few: they are told apart by the address of their type_info
// (a type seen through two libraries may have two, and gets two entries).
// Each thread keeps its own cache (the web server's threads ask too), so
// that a lookup, which painting does for every widget, takes no lock.
const WidgetKind& KindOf(const VOKDialog& widget) {
  thread_local std::vector<std::pair<const std::type_info*, const WidgetKind*>> byType;
  const std::type_info* type = &typeid(widget);
  for (const auto& [known, kind] : byType) {
    if (known == type) return *kind;
  }
  byType.emplace_back(type, &byClassChain(widget));
  return *byType.back().second;
}

}  // namespace vok::kinds
