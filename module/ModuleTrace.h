// File: ModuleTrace.h
// The module's four trace objects, created when the library is loaded and
// destroyed when it is unloaded, and the macro that composes a record only
// while the class's trace switch is on.
#pragma once

#include <sstream>

#include "services/ImmersiveUITrace.h"

namespace vok_module {
ImmersiveUITrace& DlgDateTrace();
ImmersiveUITrace& CalendarUITrace();
ImmersiveUITrace& ComboButtonFrameTrace();
ImmersiveUITrace& EntryFrameTrace();
}  // namespace vok_module

// VOK_TRACE(vok_module::DlgDateTrace(), "Year \"" << n << "\" is valid.");
#define VOK_TRACE(trace, pieces)                 \
  do {                                           \
    ImmersiveUITrace& vokTrace_ = (trace);       \
    if (vokTrace_.IsOn()) {                      \
      std::ostringstream vokRecord_;             \
      vokRecord_ << pieces;                      \
      vokTrace_.DumpNow(vokRecord_);             \
    }                                            \
  } while (0)
