// File: ModuleTrace.h
// The module's four trace objects, created when the library is loaded and
// destroyed when it is unloaded.
#pragma once

#include "services/ImmersiveUITrace.h"
#include "services/VOKTraceRecord.h"

namespace vok_module {
ImmersiveUITrace& DlgDateTrace();
ImmersiveUITrace& CalendarUITrace();
ImmersiveUITrace& ComboButtonFrameTrace();
ImmersiveUITrace& EntryFrameTrace();
}  // namespace vok_module
