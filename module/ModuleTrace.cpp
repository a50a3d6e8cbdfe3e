#include "module/ModuleTrace.h"

// The trace objects live from library load to unload. They are created by
// the load-time hook rather than as namespace-scope objects so that their
// lifetime is tied to the library, not to the order of static constructors.
namespace {
ImmersiveUITrace* dlgDateTrace;
ImmersiveUITrace* calendarUITrace;
ImmersiveUITrace* comboButtonFrameTrace;
ImmersiveUITrace* entryFrameTrace;

__attribute__((constructor)) void CreateTraces() {
  dlgDateTrace = new ImmersiveUITrace("VOKPLMDlgDate");
  calendarUITrace = new ImmersiveUITrace("VOKQELNavCalendarUI");
  comboButtonFrameTrace = new ImmersiveUITrace("VOKQELNavDateComboButtonFrame");
  entryFrameTrace = new ImmersiveUITrace("VOKQELNavDateEntryFrame");
}

__attribute__((destructor)) void DestroyTraces() {
  delete entryFrameTrace;
  delete comboButtonFrameTrace;
  delete calendarUITrace;
  delete dlgDateTrace;
  entryFrameTrace = comboButtonFrameTrace = calendarUITrace = dlgDateTrace = nullptr;
}
}  // namespace

namespace vok_module {
ImmersiveUITrace& DlgDateTrace() { return *dlgDateTrace; }
ImmersiveUITrace& CalendarUITrace() { return *calendarUITrace; }
ImmersiveUITrace& ComboButtonFrameTrace() { return *comboButtonFrameTrace; }
ImmersiveUITrace& EntryFrameTrace() { return *entryFrameTrace; }
}  // namespace vok_module
