// File: VOKDlgClasses.cpp
// The toolkit's class chains and their descriptors.
#include "dialog_toolkit/VOKDlgClasses.h"

#include <array>
#include <cstring>

#include "base_runtime/VOKMetaClass.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"

namespace {

struct ToolkitClass {
  const char* name;
  const char* base;  // null: the root class of the base runtime
  std::size_t size;
  const char* component;
};

constexpr const char* kToolkit = "VOKDialogToolkit";

const std::array kClasses{
    ToolkitClass{"VOKCommand", nullptr, sizeof(VOKCommand), "VOKCommandFramework"},
    ToolkitClass{"VOKDialog", "VOKCommand", sizeof(VOKDialog), kToolkit},
    ToolkitClass{"VOKDlgWindow", "VOKDialog", sizeof(VOKDlgWindow), kToolkit},
    ToolkitClass{"VOKDlgDialog", "VOKDlgWindow", sizeof(VOKDlgDialog), kToolkit},
    ToolkitClass{"VOKDlgNotify", "VOKDlgWindow", sizeof(VOKDlgNotify), kToolkit},
    ToolkitClass{"VOKDlgFrame", "VOKDialog", sizeof(VOKDlgFrame), kToolkit},
    ToolkitClass{"VOKDlgCombo", "VOKDialog", sizeof(VOKDlgCombo), kToolkit},
    ToolkitClass{"VOKDlgEditor", "VOKDialog", sizeof(VOKDlgEditor), kToolkit},
    ToolkitClass{"VOKDlgLabel", "VOKDialog", sizeof(VOKDlgLabel), kToolkit},
    ToolkitClass{"VOKDlgPushButton", "VOKDialog", sizeof(VOKDlgPushButton), kToolkit},
    ToolkitClass{"VOKDlgSeparator", "VOKDialog", sizeof(VOKDlgSeparator), kToolkit},
    ToolkitClass{"VOKDlgSpinner", "VOKDialog", sizeof(VOKDlgSpinner), kToolkit},
};

std::array<VOKMetaClass*, kClasses.size()> descriptors{};

}  // namespace

VOKMetaClass* VOKDlgClassMeta(const char* className) {
  if (className == nullptr) return nullptr;
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    const ToolkitClass& entry = kClasses[i];
    if (std::strcmp(entry.name, className) != 0) continue;
    if (descriptors[i] == nullptr) {
      VOKMetaClass* base =
          entry.base != nullptr ? VOKDlgClassMeta(entry.base) : VOKBaseUnknown::MetaObject();
      descriptors[i] =
          fct_RetrieveMetaObject(entry.name, 1, base, "VOKNull", entry.component, entry.size);
    }
    return descriptors[i];
  }
  return nullptr;
}
