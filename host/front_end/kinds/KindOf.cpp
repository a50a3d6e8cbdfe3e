// File: KindOf.cpp
// The table of kinds by toolkit class name, filled once, and a cache by
// C++ type so that a widget's kind costs one lookup after its first.
#include <mutex>
#include <string_view>
#include <typeindex>
#include <unordered_map>

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
const WidgetKind& KindOf(const VOKDialog& widget) {
  static std::mutex guard;
  static std::unordered_map<std::type_index, const WidgetKind*> byType;
  const std::type_index type(typeid(widget));
  const std::lock_guard lock(guard);
  auto known = byType.find(type);
  if (known == byType.end()) known = byType.emplace(type, &byClassChain(widget)).first;
  return *known->second;
}

}  // namespace vok::kinds
