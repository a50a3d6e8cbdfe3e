// File: VOKTraceRecord.h
// VOK_TRACE composes a record only while the trace object's switch is on,
// so that a traced call costs one test when tracing is off.
#pragma once

#include <sstream>

#include "services/ImmersiveUITrace.h"

// VOK_TRACE(trace, "Year \"" << n << "\" is valid.");
#define VOK_TRACE(trace, pieces)           \
  do {                                     \
    ImmersiveUITrace& vokTrace_ = (trace); \
    if (vokTrace_.IsOn()) {                \
      std::ostringstream vokRecord_;       \
      vokRecord_ << pieces;                \
      vokTrace_.DumpNow(vokRecord_);       \
    }                                      \
  } while (0)
