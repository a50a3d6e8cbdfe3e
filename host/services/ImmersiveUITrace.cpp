// File: ImmersiveUITrace.cpp
#include "services/ImmersiveUITrace.h"

#include "services/TraceSink.h"
#include "services/TraceSwitches.h"

namespace {
int liveTraceObjects = 0;
}  // namespace

ImmersiveUITrace::ImmersiveUITrace(const char* className)
    : _className(className != nullptr ? className : ""),
      _switch(&vok::services::TraceSwitchOf(_className)) {
  ++liveTraceObjects;
}

ImmersiveUITrace::~ImmersiveUITrace() {
  _switch = nullptr;
  --liveTraceObjects;
}

void ImmersiveUITrace::DumpNow(std::ostringstream& record) {
  vok::services::EmitTraceRecord(_className, record.str());
}

void ImmersiveUITrace::SetSwitch(const std::string& className, bool on) {
  vok::services::SetTraceSwitch(className, on);
}

void ImmersiveUITrace::StartCapture(const std::string& className) {
  vok::services::StartTraceCapture(className);
}

std::vector<std::string> ImmersiveUITrace::TakeCaptured(const std::string& className) {
  return vok::services::TakeTraceCapture(className);
}

void ImmersiveUITrace::StopCapture(const std::string& className) {
  vok::services::StopTraceCapture(className);
}

long ImmersiveUITrace::RecordsEmitted() { return vok::services::TraceRecordsEmitted(); }

int ImmersiveUITrace::LiveTraceObjects() { return liveTraceObjects; }

void ImmersiveUITrace::ReadEnvironment() {
  vok::services::ReadTraceSelection();
  vok::services::ReadTraceFileSetting();
}
